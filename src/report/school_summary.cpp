#include "school_summary.h"

#include "model/curriculum_rows.h"
#include "report_columns.h"
#include "storage/data_file.h"
#include "storage/file_kind.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>
#include <algorithm>
#include <filesystem>
#include <optional>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kDataFileSuffix = u".zr2";

// A class name as the number it stands for, in half-width or full-width digits ("2", "２",
// "１０"), or nothing for a name that is not one.
std::optional<int> classNumber(const QString &name) {
    const QString text = name.trimmed();
    if (text.isEmpty() || text.size() > 9)
        return std::nullopt;
    int value = 0;
    for (QChar c : text) {
        const char16_t u = c.unicode();
        int digit = -1;
        if (u >= u'0' && u <= u'9')
            digit = u - u'0';
        else if (u >= u'０' && u <= u'９')
            digit = u - u'０';
        if (digit < 0)
            return std::nullopt;
        value = value * 10 + digit;
    }
    return value;
}

// Class names as typed: numbers in their numeric order ("2" before "１０"), others after them
// in text order; names of the same number ("2", "２") by their text, so that they stand
// together.
bool classBefore(const QString &a, const QString &b) {
    const std::optional<int> aNumber = classNumber(a);
    const std::optional<int> bNumber = classNumber(b);
    if (aNumber && bNumber && *aNumber != *bNumber)
        return *aNumber < *bNumber;
    if (aNumber.has_value() != bNumber.has_value())
        return aNumber.has_value();
    return a < b;
}

bool sameClassName(const QString &a, const QString &b) {
    const std::optional<int> aNumber = classNumber(a);
    const std::optional<int> bNumber = classNumber(b);
    if (aNumber && bNumber)
        return *aNumber == *bNumber;
    return a == b;
}

bool classOrder(const SchoolClass &a, const SchoolClass &b) {
    if (a.year != b.year)
        return a.year < b.year;
    if (a.grade != b.grade)
        return a.grade < b.grade;
    if (classBefore(a.className, b.className))
        return true;
    if (classBefore(b.className, a.className))
        return false;
    return a.file < b.file;
}

bool sameClass(const SchoolClass &a, const SchoolClass &b) {
    return a.year == b.year && a.grade == b.grade && sameClassName(a.className, b.className);
}

// What tells one file from another whatever path names it (a link, "..", a hard link, another
// letter case on Windows): the file's own identity, or for a path that leads nowhere the path
// itself, made absolute.
QString identityOf(const QString &path) {
    if (const QString identity = fileIdentity(path); !identity.isEmpty())
        return identity;
    return QDir::cleanPath(QFileInfo(path).absoluteFilePath());
}

// The .zr2 entries directly in a folder, in name order, or the reason it could not be listed.
// Listed through the standard library, which, unlike QDir, tells a folder that cannot be read
// from an empty one, and sees the entries QDir leaves out (links that lead nowhere, pipes,
// sockets).
std::optional<QString> listFolder(const QString &folder, QStringList &names) {
    std::error_code error;
    std::filesystem::directory_iterator entry(QDir(folder).filesystemPath(), error);
    for (; !error && entry != std::filesystem::directory_iterator(); entry.increment(error)) {
        const QString name = QFileInfo(entry->path()).fileName();
        if (!name.endsWith(kDataFileSuffix, Qt::CaseInsensitive))
            continue;
        names += name;
    }
    if (error)
        return QString::fromLocal8Bit(error.message());
    std::sort(names.begin(), names.end());
    return std::nullopt;
}

} // namespace

SchoolFiles fncSchoolFiles(const QStringList &paths) {
    SchoolFiles found;
    QSet<QString> taken;
    const auto take = [&](const QString &file, const QString &identity) {
        found.inputs += file;
        if (!taken.contains(identity)) {
            taken.insert(identity);
            found.files += file;
        }
    };
    for (const QString &path : paths) {
        if (!QFileInfo(path).isDir()) {
            take(path, identityOf(path));
            continue;
        }
        found.inputs += path;
        QStringList names;
        if (const std::optional<QString> error = listFolder(path, names)) {
            found.failed += {path, u"フォルダの中を見られませんでした（%1）。"_s.arg(*error)};
            continue;
        }
        if (names.isEmpty())
            found.failed += {path, u"フォルダに .zr2 ファイルがありません。"_s};
        const QDir dir(path);
        for (const QString &name : names) {
            const QString file = dir.filePath(name);
            take(file, identityOf(file));
        }
    }
    return found;
}

SchoolClass fncSchoolClass(AppState &state, const QString &file, int term,
                           const std::optional<QDate> &paceDay) {
    const HoursSummary hours = fncHoursSummary(state, std::max(term, 1));
    SchoolClass one;
    one.file = file;
    one.year = state.intYear;
    one.grade = state.intGrade;
    one.className = state.strClass;
    one.teacher = state.strTeacher;
    one.plan = term == 0 ? hours.yearPlan : hours.termPlans[term - 1];
    one.actual = term == 0 ? hours.yearActual : hours.termActuals[term - 1];
    one.shownFields = fncShownFields(state);
    if (paceDay)
        one.pace = fncMonthlyPace(state, *paceDay);
    return one;
}

SchoolSummary fncSchoolSummary(const QStringList &paths, int term,
                               const std::optional<QDate> &paceDay) {
    return fncSchoolSummary(fncSchoolFiles(paths), term, paceDay);
}

SchoolSummary fncSchoolSummary(const SchoolFiles &files, int term,
                               const std::optional<QDate> &paceDay) {
    SchoolSummary summary;
    summary.term = std::clamp(term, 0, 3);
    summary.failed = files.failed;
    summary.classes.reserve(files.files.size());
    for (const QString &file : files.files) {
        AppState state;
        subInitApp(state);
        state.strFileName = file;
        const LoadResult loaded = subLoadFile(state);
        if (!loaded.ok()) {
            summary.failed += {file, loaded.message};
            continue;
        }
        summary.classes += fncSchoolClass(state, file, summary.term, paceDay);
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
    using namespace report_columns;
    table.title = schoolTitle(summary.term);
    const QStringList figures = {u"計画"_s, u"実績"_s, u"増減"_s};
    table.headings =
        classHeadings() + figures +
        QStringList{u"実施率"_s, kDuplicateHeading.toString(), kFileHeading.toString()};
    table.onePage = false;
    for (const QString &heading : figures)
        table.numberHeadings += hoursHeading(heading);

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
    for (const SchoolFailure &failure : summary.failed)
        table.unread += {failure.file, failure.error};
    return table;
}

} // namespace mirune
