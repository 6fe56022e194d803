#include "cli_support.h"
#include "commands.h"
#include "model/curriculum_rows.h"
#include "model/hours_summary.h"
#include "model/units.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

// Display width of a text in a terminal: full-width characters take two columns, half-width
// katakana one.
int displayWidth(const QString &text) {
    int width = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        const bool halfWidthKana = u >= 0xFF61 && u <= 0xFF9F;
        width += (u >= 0x1100 && !halfWidthKana) ? 2 : 1;
    }
    return width;
}

QString padRight(const QString &text, int width) {
    return text + QString(std::max(0, width - displayWidth(text)), u' ');
}

QString padLeft(const QString &text, int width) {
    return QString(std::max(0, width - displayWidth(text)), u' ') + text;
}

std::array<QString, 7> rowTexts(const HoursSummaryRow &row) {
    return {subjectInfo(row.field).summaryName.toString(),
            fncUnitsToText(row.termPlan),
            fncUnitsToText(row.termActual),
            fncUnitsToText(row.termDifference),
            fncUnitsToText(row.yearPlan),
            fncUnitsToText(row.yearActual),
            fncUnitsToText(row.yearDifference)};
}

// The rows a plan shows: 外国語 and 外国語活動 only where the year's curriculum or the plan has
// them, as the summary window shows them.
QList<HoursSummaryRow> shownRows(const AppState &state, const HoursSummary &summary) {
    QList<HoursSummaryRow> rows;
    for (const HoursSummaryRow &row : summary.rows)
        if (fncIsFieldShown(state, row.field))
            rows.append(row);
    return rows;
}

void writeText(const AppState &state, const HoursSummary &summary) {
    const auto &headings = hoursSummaryHeadings();
    constexpr int nameWidth = 12;
    constexpr int valueWidth = 11;
    QString line = padRight(headings[0], nameWidth);
    for (int c = 1; c < 7; ++c)
        line += padLeft(headings[c], valueWidth);
    out() << line << u'\n';
    for (const HoursSummaryRow &row : shownRows(state, summary)) {
        const auto texts = rowTexts(row);
        line = padRight(texts[0], nameWidth);
        for (int c = 1; c < 7; ++c)
            line += padLeft(texts[c], valueWidth);
        out() << line << u'\n';
    }
}

void writeCsv(const AppState &state, const HoursSummary &summary) {
    QStringList headings;
    for (const QString &h : hoursSummaryHeadings())
        headings += h;
    out() << headings.join(u',') << u'\n';
    for (const HoursSummaryRow &row : shownRows(state, summary)) {
        const auto texts = rowTexts(row);
        out() << QStringList(texts.begin(), texts.end()).join(u',') << u'\n';
    }
}

QString jsonString(const QString &text) {
    QString quoted = u"\""_s;
    for (QChar c : text) {
        switch (c.unicode()) {
        case u'"':
            quoted += u"\\\""_s;
            break;
        case u'\\':
            quoted += u"\\\\"_s;
            break;
        case u'\n':
            quoted += u"\\n"_s;
            break;
        case u'\r':
            quoted += u"\\r"_s;
            break;
        case u'\t':
            quoted += u"\\t"_s;
            break;
        default:
            if (c.unicode() < 0x20)
                quoted += u"\\u%1"_s.arg(int(c.unicode()), 4, 16, QChar(u'0'));
            else
                quoted += c;
        }
    }
    return quoted + u'"';
}

// Unit counts keyed by every field name, in display order: a script finds the same keys for
// every plan, 外国語 and 外国語活動 included.
QString jsonCounts(const HourCounts &counts) {
    QStringList members;
    for (HourField f : displayOrder())
        members += jsonString(QString::fromLatin1(subjectInfo(f).fieldName)) + u':' +
                   QString::number(counts[f]);
    return u'{' + members.join(u',') + u'}';
}

void writeJson(const AppState &state, const HoursSummary &summary) {
    QStringList terms;
    for (int t = 0; t < 3; ++t)
        terms += u"{\"plan\":"_s + jsonCounts(summary.termPlans[t]) + u",\"actual\":"_s +
                 jsonCounts(summary.termActuals[t]) + u'}';
    out() << u"{\"year\":"_s << state.intYear << u",\"grade\":"_s << state.intGrade
          << u",\"class\":"_s << jsonString(state.strClass) << u",\"teacher\":"_s
          << jsonString(state.strTeacher) << u",\"terms\":["_s << terms.join(u',') << u"]"_s
          << u",\"base\":"_s << jsonCounts(state.objYearPlan->hours) << u",\"plan\":"_s
          << jsonCounts(summary.yearPlan) << u",\"actual\":"_s << jsonCounts(summary.yearActual)
          << u"}\n"_s;
}

} // namespace

int runSummary(const QStringList &args) {
    const QString command = u"summary"_s;
    const ParsedArgs parsed = parseArgs(args, {u"term"_s, u"format"_s}, {});
    if (!parsed.error.isEmpty())
        return usageError(command, parsed.error);
    if (parsed.positional.size() != 1)
        return usageError(command, u"データファイル（FILE）を一つ指定してください。"_s);
    const QString termText = parsed.value(u"term"_s, u"1"_s);
    if (termText != u"1"_s && termText != u"2"_s && termText != u"3"_s)
        return usageError(command, u"--term には 1、2、3 のどれかを指定してください。"_s);
    const QString format = parsed.value(u"format"_s, u"text"_s);
    if (format != u"text"_s && format != u"csv"_s && format != u"json"_s)
        return usageError(command, u"--format には text、csv、json のどれかを指定してください。"_s);

    AppState state;
    if (!loadState(command, parsed.positional.first(), state))
        return kExitFileError;

    const HoursSummary summary = fncHoursSummary(state, termText.toInt());
    if (format == u"json"_s)
        writeJson(state, summary);
    else if (format == u"csv"_s)
        writeCsv(state, summary);
    else
        writeText(state, summary);
    return kExitOk;
}

} // namespace mirune::cli
