#include "csv_bytes.h"

#include <QHash>
#include <cmath>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Appends a field, quoted where it holds a comma, a quote or a line break.
void appendField(QString &out, const QString &field) {
    bool plain = true;
    for (const QChar c : field) {
        if (c == u',' || c == u'"' || c == u'\n' || c == u'\r') {
            plain = false;
            break;
        }
    }
    if (plain) {
        out += field;
        return;
    }
    QString quoted = field;
    quoted.replace(u"\""_s, u"\"\""_s);
    out += u'"';
    out += quoted;
    out += u'"';
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

// The lesson hours of a count of units: the whole hours and, for a rest of one or two units,
// its six decimals, as the general rule below rounds them.
QString unitsAsHours(qint64 units) {
    const qint64 whole = units / 3;
    const qint64 rest = units < 0 ? -units % 3 : units % 3;
    QString text = units < 0 && whole == 0 ? u"-0"_s : QString::number(whole);
    if (rest == 1)
        text += u".333333"_s;
    else if (rest == 2)
        text += u".666667"_s;
    return text;
}

// A line of fields, then CR LF.
void appendLine(QString &out, const QStringList &fields) {
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (i > 0)
            out += u',';
        appendField(out, fields[i]);
    }
    out += u"\r\n"_s;
}

} // namespace

QByteArray fncCsvBytes(const QList<QStringList> &lines) {
    QString text = QString(QChar(0xFEFF));
    for (const QStringList &line : lines)
        appendLine(text, line);
    return text.toUtf8();
}

QString fncHoursText(double hours) {
    // Hours are units divided by three, and a report's always are: written from the units.
    const double units = hours * 3;
    if (std::abs(units) < 1e15 && std::abs(units - std::round(units)) < 1e-6)
        return unitsAsHours(qint64(std::round(units)));
    QString text = QString::number(hours, 'f', 6);
    while (text.endsWith(u'0'))
        text.chop(1);
    if (text.endsWith(u'.'))
        text.chop(1);
    return text == u"-0"_s ? u"0"_s : text;
}

QByteArray fncReportCsvBytes(const ReportTable &table) {
    QString text = QString(QChar(0xFEFF));
    QStringList headings;
    for (const QString &heading : table.headings + table.numberHeadings)
        headings += textField(heading);
    appendLine(text, headings);
    // The rows written straight into the text: a school's months run to a million fields.
    const qsizetype hourColumns = table.numberHeadings.size();
    QStringList hours;
    // A school's months hold the same few figures many times over: each is written once.
    QHash<double, QString> hoursTexts;
    const auto hoursText = [&](double number) {
        auto it = hoursTexts.find(number);
        if (it == hoursTexts.end())
            it = hoursTexts.insert(number, fncHoursText(number));
        return *it;
    };
    for (const QList<ReportCell> &row : table.rows) {
        hours.clear();
        for (qsizetype i = 0; i < row.size(); ++i) {
            const ReportCell &cell = row[i];
            if (i > 0)
                text += u',';
            appendField(text,
                        cell.kind == ReportCell::Kind::Label ? textField(cell.text) : cell.text);
            if (cell.kind == ReportCell::Kind::Figure && hours.size() < hourColumns)
                hours += hoursText(cell.number.value_or(0.0));
        }
        // As many hour columns as the headings name, as in the workbook: a row with fewer
        // figures (the school days) leaves the rest empty, so that every row has as many fields
        // as the heading.
        for (qsizetype h = 0; h < hourColumns; ++h) {
            text += u',';
            if (h < hours.size())
                text += hours[h];
        }
        text += u"\r\n"_s;
    }
    return text.toUtf8();
}

} // namespace mirune
