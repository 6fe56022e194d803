#include "by_month.h"

#include "report/month_report.h"

namespace mirune::cli {

using namespace Qt::StringLiterals;

namespace {

QString jsonFieldNames(const QList<HourField> &fields) {
    QStringList names;
    for (HourField f : fields)
        names += jsonString(QString::fromLatin1(subjectInfo(f).fieldName));
    return u'[' + names.join(u',') + u']';
}

// Row names and 状況 read from the left, the figures line up on the right.
QList<int> leftColumns(const ReportTable &table, const QStringList &leftHeadings) {
    QList<int> columns;
    for (int c = 0; c < table.headings.size(); ++c)
        if (leftHeadings.contains(table.headings[c]))
            columns += c;
    return columns;
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
    QStringList months;
    for (const MonthTotal &month : pace.totals.months)
        months += u"{\"month\":%1,\"school_days\":%2,\"actual\":%3}"_s.arg(
            jsonString(month.firstDay.toString(u"yyyy-MM"_s)), QString::number(month.schoolDays),
            jsonCounts(month.actual));
    return u"\"date\":%1,\"months\":[%2],\"due\":%3,\"behind\":%4"_s.arg(
        jsonString(fncPaceDateText(pace.date)), months.join(u','), jsonCounts(pace.due()),
        jsonFieldNames(pace.behindRows()));
}

int writeSummaryByMonth(const QString &command, ReportFormat format, const QString &outPath,
                        const QString &file, const AppState &state, const QDate &today) {
    const MonthlyPace pace = fncMonthlyPace(state, today);
    const ReportTable table = fncMonthReport(state, pace);
    QString text;
    if (format == ReportFormat::Text)
        text = alignedText(fncReportLines(table),
                           leftColumns(table, {u"教科"_s, kPaceHeading.toString()}));
    QString json;
    if (format == ReportFormat::Json)
        json = u"{\"year\":%1,\"grade\":%2,\"class\":%3,\"teacher\":%4,%5}\n"_s.arg(
            QString::number(state.intYear), QString::number(state.intGrade),
            jsonString(state.strClass), jsonString(state.strTeacher), paceJsonMembers(pace));
    return writeReport(command, format, outPath, {file}, table, text, json);
}

ReportTable schoolMonthTable(const SchoolSummary &summary) {
    ReportTable table = fncSchoolMonthReport(summary);
    table.followingSheets.push_back(fncSchoolReport(summary));
    return table;
}

QString schoolMonthText(const ReportTable &table) {
    return alignedText(
        fncReportLines(table),
        leftColumns(table, {u"年度"_s, u"学年"_s, u"組"_s, u"担任"_s, u"教科"_s,
                            kPaceHeading.toString(), u"基準日"_s, u"重複"_s, u"ファイル"_s}));
}

} // namespace mirune::cli
