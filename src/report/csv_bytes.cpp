#include "csv_bytes.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

QString csvField(const QString &field) {
    if (!field.contains(u',') && !field.contains(u'"') && !field.contains(u'\n') &&
        !field.contains(u'\r'))
        return field;
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    return u'"' + quoted + u'"';
}

} // namespace

QByteArray fncCsvBytes(const QList<QStringList> &lines) {
    QString text = QString(QChar(0xFEFF));
    for (const QStringList &line : lines) {
        QStringList fields;
        fields.reserve(line.size());
        for (const QString &field : line)
            fields += csvField(field);
        text += fields.join(u',');
        text += u"\r\n"_s;
    }
    return text.toUtf8();
}

} // namespace mirune
