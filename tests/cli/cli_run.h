#pragma once

// Runs mirune-cli as a script does and keeps what it said.

#include <QProcess>
#include <QString>
#include <QStringList>

struct Run {
    int exitCode = -1;
    QString out;
    QString err;
    QByteArray rawOut; // standard output as written, a byte-order mark included
};

inline Run cli(const QStringList &args) {
    QProcess process;
    process.start(QString::fromUtf8(MIRUNE_CLI_PATH), args);
    if (!process.waitForFinished(60000))
        return {};
    const QByteArray out = process.readAllStandardOutput();
    return {process.exitCode(), QString::fromUtf8(out),
            QString::fromUtf8(process.readAllStandardError()), out};
}
