// Stands in for a second program that has a data file open: takes the file's lock, says so on
// standard output, and keeps it until its standard input closes or it is killed.

#include "storage/data_file_lock.h"

#include <QCoreApplication>
#include <QFile>

int main(int argc, char **argv) {
    QCoreApplication app(argc, argv);
    const QStringList args = QCoreApplication::arguments();
    if (args.size() != 2)
        return 2;
    mirune::DataFileLock lock;
    if (lock.lock(args[1]) != mirune::DataFileLock::Status::Held)
        return 1;
    QFile out;
    if (!out.open(stdout, QIODevice::WriteOnly))
        return 1;
    out.write("locked\n");
    out.flush();
    QFile in;
    if (!in.open(stdin, QIODevice::ReadOnly))
        return 1;
    in.readAll();
    return 0;
}
