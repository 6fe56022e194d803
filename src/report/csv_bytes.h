#pragma once

#include <QByteArray>
#include <QList>
#include <QStringList>

namespace mirune {

// A table as the CSV that Excel on a Japanese PC opens correctly: UTF-8 with a byte-order mark,
// CR LF after every line. A field holding a comma, a quote or a line break is quoted, its quotes
// doubled.
QByteArray fncCsvBytes(const QList<QStringList> &lines);

} // namespace mirune
