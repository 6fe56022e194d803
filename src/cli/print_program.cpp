#include "cli_support.h"
#include "commands.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QProcess>

namespace mirune::cli {

using namespace Qt::StringLiterals;

// The print command runs in a program of its own, next to this one: only it loads the GUI and
// printing libraries, so the commands that only read data files start as fast as a bare Qt Core
// program. Its output and messages go straight to this program's standard output and error.
int runPrintProgram(const QStringList &args) {
    const QString command = u"print"_s;
    const QString program =
        QDir(QCoreApplication::applicationDirPath()).filePath(QString::fromLatin1(kPrintProgram));
    if (!QFileInfo(program).isExecutable())
        return fileError(command, u"印刷用のプログラム「%1」が見つかりません。"_s.arg(program));

    QProcess process;
    process.setProcessChannelMode(QProcess::ForwardedChannels);
    process.setInputChannelMode(QProcess::ForwardedInputChannel);
    process.start(program, args);
    if (!process.waitForStarted(-1))
        return fileError(command, u"印刷用のプログラム「%1」を起動できませんでした：%2"_s.arg(
                                      program, process.errorString()));
    process.waitForFinished(-1);
    if (process.exitStatus() != QProcess::NormalExit)
        return fileError(command, u"印刷用のプログラム「%1」が途中で終了しました。"_s.arg(program));
    return process.exitCode();
}

} // namespace mirune::cli
