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

// A name or a mark as a spreadsheet must show it: as text, never run as a formula. Japanese
// Excel takes the full-width ＝ ＋ － ＠ (and the minus sign −) typed at a cell's start for the
// half-width ones.
QString textField(const QString &text) {
    static constexpr QStringView kFormulaStarts = u"=+-@\t\r＝＋－＠−";
    if (!text.isEmpty() && kFormulaStarts.contains(text.front()))
        return u'\'' + text;
    return text;
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

QString fncHoursText(double hours) {
    QString text = QString::number(hours, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0"_s ? u"0"_s : text;
}

QByteArray fncReportCsvBytes(const ReportTable &table) {
    QList<QStringList> lines;
    QStringList headings;
    for (const QString &heading : table.headings + table.numberHeadings)
        headings += textField(heading);
    lines += headings;
    for (const QList<ReportCell> &row : table.rows) {
        QStringList texts;
        QStringList hours;
        for (const ReportCell &cell : row) {
            texts += cell.kind == ReportCell::Kind::Label ? textField(cell.text) : cell.text;
            if (cell.kind == ReportCell::Kind::Figure)
                hours += fncHoursText(cell.number.value_or(0.0));
        }
        // As many hour columns as the headings name, as in the workbook: a row with fewer
        // figures (the school days) leaves the rest empty, so that every row has as many fields
        // as the heading.
        hours.resize(table.numberHeadings.size());
        lines += texts + hours;
    }
    return fncCsvBytes(lines);
}

} // namespace mirune
