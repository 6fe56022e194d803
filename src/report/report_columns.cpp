#include "report_columns.h"

#include "model/hours_pace.h"
#include "model/hours_summary.h"

#include <array>

namespace mirune::report_columns {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kTermWord = u"学期";
constexpr QStringView kYearWord = u"年間";
constexpr QChar kTitleGap = u'　';

// The first headings a heading row is known by.
constexpr qsizetype kKnownHeadings = 5;

QList<QStringList> knownHeadingStarts() {
    QStringList summary;
    for (const QString &heading : hoursSummaryHeadings())
        summary += heading;
    QStringList months{kRowHeading.toString()};
    for (int i = 0; i < kSchoolYearMonths; ++i)
        months += fncMonthHeading(i);
    QList<QStringList> starts;
    for (const QStringList &row : {summary, months, classHeadings()})
        starts += row.mid(0, kKnownHeadings);
    return starts;
}

} // namespace

QString summaryTitle(int term) {
    return kSummaryTitle.toString() + kTitleGap + QString::number(term) + kTermWord.toString();
}

QString schoolTitle(int term) {
    return kSchoolTitle.toString() + kTitleGap +
           (term == 0 ? kYearWord.toString() : QString::number(term) + kTermWord.toString());
}

bool startsWithTitle(QStringView line) {
    for (QStringView title : {kSummaryTitle, kSchoolTitle, kMonthTitle, kSchoolMonthTitle})
        if (line.startsWith(title))
            return true;
    return false;
}

QStringList classHeadings() {
    return {kYearHeading.toString(), kGradeHeading.toString(), kClassHeading.toString(),
            kTeacherHeading.toString(), kRowHeading.toString()};
}

QString hoursHeading(const QString &heading) {
    return heading + u"（時間）"_s;
}

QList<int> leftAlignedColumns(const QStringList &headings) {
    static const std::array<QStringView, 9> kLeft = {
        kYearHeading,     kGradeHeading,     kClassHeading, kTeacherHeading, kRowHeading,
        kPaceDateHeading, kDuplicateHeading, kFileHeading,  kPaceHeading,
    };
    QList<int> columns;
    for (int c = 0; c < headings.size(); ++c)
        if (std::find(kLeft.begin(), kLeft.end(), QStringView(headings[c])) != kLeft.end())
            columns += c;
    return columns;
}

bool isHeadingRow(const QStringList &fields) {
    static const QList<QStringList> starts = knownHeadingStarts();
    if (fields.size() < kKnownHeadings)
        return false;
    const QStringList first = fields.mid(0, kKnownHeadings);
    return starts.contains(first);
}

} // namespace mirune::report_columns
