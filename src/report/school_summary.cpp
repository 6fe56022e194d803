#include "school_summary.h"

#include "model/curriculum_rows.h"
#include "storage/data_file.h"

#include <QDir>
#include <QFileInfo>
#include <algorithm>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kDuplicateMark = u"重複";

// Class names as typed: numbers in their numeric order ("2" before "10"), others after them
// in text order.
bool classBefore(const QString &a, const QString &b) {
    bool aNumber = false;
    bool bNumber = false;
    const int aValue = a.toInt(&aNumber);
    const int bValue = b.toInt(&bNumber);
    if (aNumber && bNumber && aValue != bValue)
        return aValue < bValue;
    if (aNumber != bNumber)
        return aNumber;
    return a < b;
}

bool classOrder(const SchoolClass &a, const SchoolClass &b) {
    if (a.year != b.year)
        return a.year < b.year;
    if (a.grade != b.grade)
        return a.grade < b.grade;
    if (a.className != b.className)
        return classBefore(a.className, b.className);
    return a.file < b.file;
}

bool sameClass(const SchoolClass &a, const SchoolClass &b) {
    return a.year == b.year && a.grade == b.grade && a.className == b.className;
}

} // namespace

QStringList fncSchoolFiles(const QStringList &paths, QList<SchoolFailure> &failed) {
    QStringList files;
    for (const QString &path : paths) {
        const QFileInfo info(path);
        if (!info.isDir()) {
            files += path;
            continue;
        }
        const QDir dir(path);
        const QStringList names =
            dir.entryList({u"*.zr2"_s}, QDir::Files | QDir::Hidden, QDir::Name);
        if (names.isEmpty())
            failed += {path, u"フォルダに .zr2 ファイルがありません。"_s};
        for (const QString &name : names)
            files += dir.filePath(name);
    }
    return files;
}

SchoolSummary fncSchoolSummary(const QStringList &paths, int term,
                               const std::optional<QDate> &paceDay) {
    SchoolSummary summary;
    summary.term = std::clamp(term, 0, 3);
    const QStringList files = fncSchoolFiles(paths, summary.failed);
    summary.classes.reserve(files.size());
    for (const QString &file : files) {
        AppState state;
        subInitApp(state);
        state.strFileName = file;
        const LoadResult loaded = subLoadFile(state);
        if (!loaded.ok()) {
            summary.failed += {file, loaded.message};
            continue;
        }
        const HoursSummary hours = fncHoursSummary(state, std::max(summary.term, 1));
        SchoolClass one;
        one.file = file;
        one.year = state.intYear;
        one.grade = state.intGrade;
        one.className = state.strClass;
        one.teacher = state.strTeacher;
        one.plan = summary.term == 0 ? hours.yearPlan : hours.termPlans[summary.term - 1];
        one.actual = summary.term == 0 ? hours.yearActual : hours.termActuals[summary.term - 1];
        one.shownFields = fncShownFields(state);
        if (paceDay)
            one.pace = fncMonthlyPace(state, *paceDay);
        summary.classes += std::move(one);
    }

    std::stable_sort(summary.classes.begin(), summary.classes.end(), classOrder);
    // Sorted, the files of one class stand together.
    for (qsizetype i = 1; i < summary.classes.size(); ++i) {
        if (sameClass(summary.classes[i - 1], summary.classes[i]))
            summary.classes[i - 1].duplicate = summary.classes[i].duplicate = true;
    }
    return summary;
}

ReportTable fncSchoolReport(const SchoolSummary &summary) {
    ReportTable table;
    table.title = summary.term == 0 ? u"学校の時数集計　年間"_s
                                    : u"学校の時数集計　%1学期"_s.arg(summary.term);
    table.headings = {u"年度"_s, u"学年"_s, u"組"_s,     u"担任"_s, u"教科"_s,    u"計画"_s,
                      u"実績"_s, u"増減"_s, u"実施率"_s, u"重複"_s, u"ファイル"_s};
    table.onePage = false;
    table.numberHeadings = {u"計画（時間）"_s, u"実績（時間）"_s, u"増減（時間）"_s};

    using Kind = ReportCell::Kind;
    using Shade = ReportCell::Shade;
    const Shade shade = summary.term == 0 ? Shade::Year : Shade::Term;
    for (const SchoolClass &one : summary.classes) {
        for (HourField f : one.shownFields) {
            const int plan = one.plan[f];
            const int actual = one.actual[f];
            QList<ReportCell> cells = {
                {Kind::Integer, QString::number(one.year), double(one.year), 0, Shade::None},
                {Kind::Integer, QString::number(one.grade), double(one.grade), 0, Shade::None},
                {Kind::Label, one.className, std::nullopt, 0, Shade::None},
                {Kind::Label, one.teacher, std::nullopt, 0, Shade::None},
                {Kind::Label, subjectInfo(f).summaryName.toString(), std::nullopt, 0, Shade::None},
                figureCell(plan, shade),
                figureCell(actual, shade),
                figureCell(actual - plan, shade, true),
                rateCell(fncImplementationRate(plan, actual), shade),
                {Kind::Label, one.duplicate ? kDuplicateMark.toString() : QString(), std::nullopt,
                 0, Shade::None},
                {Kind::Label, one.file, std::nullopt, 0, Shade::None},
            };
            table.rows += cells;
        }
    }
    return table;
}

} // namespace mirune
