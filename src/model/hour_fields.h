#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace mirune {

// The hour fields in display order: the order of the annual plan page, the hours summary window
// and the summary sheets. Every hour-total record holds one 16-bit count per field. The 21
// fields of the 2002 curriculum come first in their places; 外国語 and 外国語活動 joined later
// (see `SubjectInfo::laterCurriculum`).
enum class HourField : int {
    kokugo,
    syakai,
    sannsuu,
    rika,
    seikatsu,
    onngaku,
    zukou,
    katei,
    taiiku,
    gaikokugo,
    KyoukaSyoukei,
    sougou,
    doutoku,
    gaikokugokatsudou,
    gakkyuukatsudou,
    kurabu,
    jidoukai,
    gakkougyouji,
    TokkatsuSyoukei,
    SouJyugyouJisuu,
    uchikiri,
    yobi,
    SouJisuu,
};

inline constexpr int kHourFieldCount = 23;
// Fields that are counted from codes; the other four are derived from them.
inline constexpr int kBaseFieldCount = 19;
// The fields a data file of today's (2002) form carries per plan record.
inline constexpr int kClassicFieldCount = 21;

enum class SubjectKind {
    Subject,                 // 教科: one of the nine school subjects
    Integrated,              // 総合
    Moral,                   // 道徳
    ForeignLanguageActivity, // 外国語活動: a lesson outside 教科小計 and 特活小計
    Activity,                // 特別活動
    Other,                   // counted in the grand total but not a lesson (打切り, 予備)
    Derived,                 // subtotal or total, computed from the others
};

// Where a subject stands in each fixed order of codes: its 0-based slot, -1 where it has none.
// A slot is a button, an index or a colour that the order's users rely on.
struct SubjectSlots {
    qint8 palette;          // the main window's palette and its cells' icons
    qint8 timetablePalette; // the timetable page's palette
    qint8 weeklySheet;      // the weekly timetable sheet's printed names
    // The order the icons' hues are handed out in. Teachers learn the colours, so a subject
    // keeps its colour whatever rows the table gains: the 2002 subjects first, in their table
    // order of that time, later rows after them, never in between.
    qint8 colour;
};

struct SubjectInfo {
    HourField field;
    const char *fieldName; // the record property name, as the data file order and JSON keys use it
    SubjectKind kind;
    QStringView fullName;    // palette and menu name ("" for derived rows)
    QStringView summaryName; // row name in the hours summary window
    QStringView planName;    // row heading of the annual plan page ("ｸﾗﾌﾞ", "打切")
    // Two full-width characters at most: the weekly timetable sheet's name of a subject and the
    // heading of a narrow column ("ｸﾗﾌﾞ", "外活"); "" for rows that never stand in such a place.
    QStringView shortName;
    QChar code; // one-letter code; QChar() for derived rows
    // A row the 2002 curriculum did not have (外国語, 外国語活動): windows and sheets show it
    // only where the school year's curriculum or the plan uses it, so that a plan without it
    // looks as it always has.
    bool laterCurriculum = false;
    SubjectSlots orderSlots = {-1, -1, -1, -1};
};

// The subject table, one row per field in display order.
const std::array<SubjectInfo, kHourFieldCount> &subjectTable();
const SubjectInfo &subjectInfo(HourField field);

// All fields in display order, for range-for loops.
const std::array<HourField, kHourFieldCount> &displayOrder();

// The fields of a plan record in a data file of today's form: the 21 fields of the 2002
// curriculum sorted alphabetically ignoring case. Fixed: files teachers already have are laid
// out so, whatever rows the table gains.
const std::array<HourField, kClassicFieldCount> &classicDataFileOrder();
// A plan record in the extended form: today's 21 lines, then 外国語 and 外国語活動.
const std::array<HourField, kHourFieldCount> &extendedDataFileOrder();

// The base fields (those a code maps to) in display order; the other four are derived.
const std::array<HourField, kBaseFieldCount> &baseFields();
bool isDerived(HourField field);
// The fields of the later curriculum rows (外国語, 外国語活動), in display order.
const std::array<HourField, kHourFieldCount - kClassicFieldCount> &laterCurriculumFields();

// For each UTF-16 code unit, the field (as int) its one-letter code counts into, -1 for none.
const std::array<qint8, 0x10000> &fieldByCodeUnit();

// The field a one-letter code counts into, or none for any other character (the ideographic
// space included). Inline: the totals look up every period of every day, and a call returning
// the optional through memory cost more than the lookup itself.
inline std::optional<HourField> fieldForCode(QChar code) {
    const qint8 field = fieldByCodeUnit()[code.unicode()];
    if (field < 0)
        return std::nullopt;
    return static_cast<HourField>(field);
}

// Fixed code orders, made from the subject table's slots: a code's position is its button, sheet
// or colour index. Each holds the codes of the later curriculum rows too; a window leaves out
// those a plan does not show.
QStringView paletteOrder();          // main window palette
QStringView timetablePaletteOrder(); // timetable page palette
QStringView weeklySheetOrder();      // weekly timetable sheet
QStringView colourOrder();           // the subjects' icon colours

// The field of a code, or none; the ideographic space and unknown characters have none.
const SubjectInfo *subjectForCode(QChar code);

// 0-based index of a code in an order string, -1 when absent.
int codeIndex(QStringView order, QChar code);

// The ideographic space that stands for a period without subject.
inline constexpr QChar kNoSubject = QChar(0x3000);

} // namespace mirune
