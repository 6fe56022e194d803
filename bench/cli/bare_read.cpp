// The floor under a data command's start: a program that links Qt Core only, reads a data file
// and decodes its lines, and prints how many there are.

#include <QCoreApplication>
#include <QFile>
#include <QStringDecoder>
#include <QTextStream>
#include <cstdio>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    if (argc != 2)
        return 2;
    QFile file(QString::fromLocal8Bit(argv[1]));
    if (!file.open(QIODevice::ReadOnly))
        return 1;
    QStringDecoder decoder("CP932", QStringConverter::Flag::Stateless);
    qsizetype lines = 0;
    qsizetype characters = 0;
    for (QByteArrayView line : file.readAll().split('\n')) {
        characters += QString(decoder.decode(line)).size();
        ++lines;
    }
    QTextStream(stdout) << lines << ' ' << characters << '\n';
    return 0;
}
