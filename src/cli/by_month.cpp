#include "by_month.h"

#include "report/month_report.h"
#include "report/report_columns.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

// The members of a counts object as jsonCounts writes them, made once: "\"kokugo\":".
const std::array<QString, kHourFieldCount> &jsonKeys() {
    static const std::array<QString, kHourFieldCount> keys = [] {
        std::array<QString, kHourFieldCount> made;
        for (HourField f : displayOrder())
            made[static_cast<int>(f)] =
                jsonString(QString::fromLatin1(subjectInfo(f).fieldName)) + u':';
        return made;
    }();
    return keys;
}

void appendNumber(QString &out, int n) {
    char16_t digits[12];
    int i = 12;
    unsigned magnitude = n < 0 ? 0u - unsigned(n) : unsigned(n);
    do {
        digits[--i] = char16_t(u'0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude > 0);
    if (n < 0)
        digits[--i] = u'-';
    out += QStringView(digits + i, 12 - i);
}

// What jsonCounts gives, appended in place: a school's months write some three hundred thousand
// of these members, and a string for each would cost more than reading the files.
void appendCounts(QString &out, const HourCounts &counts) {
    const auto &keys = jsonKeys();
    out += u'{';
    bool first = true;
    for (HourField f : displayOrder()) {
        if (!first)
            out += u',';
        first = false;
        out += keys[static_cast<int>(f)];
        appendNumber(out, counts[f]);
    }
    out += u'}';
}

QString jsonFieldNames(const QList<HourField> &fields) {
    QStringList names;
    for (HourField f : fields)
        names += jsonString(QString::fromLatin1(subjectInfo(f).fieldName));
    return u'[' + names.join(u',') + u']';
}

} // namespace

QDate parseIsoDate(const QString &text) {
    if (text.size() != 10)
        return {};
    return QDate::fromString(text, Qt::ISODate);
}

QStringList monthOptionNames() {
    return {u"by"_s, u"date"_s};
}

std::optional<MonthRequest> monthRequest(const QString &command, const ParsedArgs &parsed) {
    MonthRequest request;
    if (parsed.has(u"by"_s)) {
        if (parsed.value(u"by"_s) != u"month"_s) {
            usageError(command, u"--by には month を指定してください。"_s);
            return std::nullopt;
        }
        request.byMonth = true;
    }
    if (!parsed.has(u"date"_s)) {
        request.today = QDate::currentDate();
    } else {
        if (!request.byMonth) {
            usageError(command, u"--date は --by month と一緒に指定してください。"_s);
            return std::nullopt;
        }
        request.today = parseIsoDate(parsed.value(u"date"_s));
        if (!request.today.isValid()) {
            usageError(command, u"--date の日付「%1」が正しくありません。"
                                "YYYY-MM-DD の形の正しい日付で指定してください。"_s.arg(
                                    parsed.value(u"date"_s)));
            return std::nullopt;
        }
    }
    if (request.byMonth && parsed.has(u"term"_s)) {
        usageError(command, u"--by month は月ごとの集計なので、--term とは一緒に使えません。"_s);
        return std::nullopt;
    }
    return request;
}

QString paceJsonMembers(const MonthlyPace &pace) {
    QString json;
    json.reserve(4096);
    json += u"\"date\":"_s + jsonString(fncPaceDateText(pace.date)) + u",\"months\":["_s;
    for (const MonthTotal &month : pace.totals.months) {
        if (&month != &pace.totals.months.front())
            json += u',';
        json += u"{\"month\":\""_s;
        appendNumber(json, month.firstDay.year());
        json += month.firstDay.month() < 10 ? u"-0"_s : u"-"_s;
        appendNumber(json, month.firstDay.month());
        json += u"\",\"school_days\":"_s;
        appendNumber(json, month.schoolDays);
        json += u",\"actual\":"_s;
        appendCounts(json, month.actual);
        json += u'}';
    }
    json += u"],\"due\":"_s;
    appendCounts(json, pace.due());
    json += u",\"behind\":"_s + jsonFieldNames(pace.behindRows());
    return json;
}

int writeSummaryByMonth(const QString &command, ReportFormat format, const ReportTarget &target,
                        const AppState &state, const QString &file, const QDate &today) {
    const MonthlyPace pace = fncMonthlyPace(state, today);
    // A CSV names the class and the pace's day in every row, as a school's months do, so that a
    // machine reading it knows what the figures are of: it is the school's month table of this
    // one class. A person reads them over the table.
    ReportTable table;
    if (format == ReportFormat::Csv) {
        SchoolSummary one;
        one.classes += SchoolClass{file,
                                   state.intYear,
                                   state.intGrade,
                                   state.strClass,
                                   state.strTeacher,
                                   {},
                                   {},
                                   pace.shownFields,
                                   false,
                                   pace};
        table = fncSchoolMonthReport(one);
    } else {
        table = fncMonthReport(state, pace);
    }
    QString text;
    if (format == ReportFormat::Text)
        text =
            table.title + u'\n' + table.classLine + u"\n\n"_s +
            alignedText(fncReportLines(table), report_columns::leftAlignedColumns(table.headings));
    QString json;
    if (format == ReportFormat::Json)
        json = u"{\"year\":%1,\"grade\":%2,\"class\":%3,\"teacher\":%4,%5}\n"_s.arg(
            QString::number(state.intYear), QString::number(state.intGrade),
            jsonString(state.strClass), jsonString(state.strTeacher), paceJsonMembers(pace));
    return writeReport(command, format, target, table, text, json);
}

ReportTable schoolMonthTable(const SchoolSummary &summary, ReportFormat format) {
    // A thousand classes make tens of thousands of rows: none is made that goes nowhere.
    if (format == ReportFormat::Json || format == ReportFormat::Text)
        return {};
    ReportTable table = fncSchoolMonthReport(summary);
    if (format == ReportFormat::Xlsx)
        table.followingSheets.push_back(fncSchoolReport(summary));
    return table;
}

QString schoolMonthText(const SchoolSummary &summary) {
    const QList<QStringList> lines = fncSchoolMonthLines(summary);
    return alignedText(lines, report_columns::leftAlignedColumns(lines.first()));
}

} // namespace mirune::cli
