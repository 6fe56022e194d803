// The floor under a data command's start: a program that links Qt Core only, reads data files
// (one or many, one after another) and decodes their lines, and prints how many there are.

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    qsizetype lines = 0;
    qsizetype characters = 0;
    for (int i = 1; i < argc; ++i) {
        QFile file(QString::fromLocal8Bit(argv[i]));
        if (!file.open(QIODevice::ReadOnly))
            return 1;
        for (QByteArrayView line : file.readAll().split('\n')) {
            characters += QString(decoder.decode(line)).size();
            ++lines;
        }
    }
    QTextStream(stdout) << lines << ' ' << characters << '\n';
    return 0;
}
