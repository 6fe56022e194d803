#pragma once

#include <QString>
#include <QStringView>
#include <array>
#include <optional>

namespace mirune {

// The 21 hour fields in display order: the order of the annual plan page, the hours summary
// window and the summary sheets. Every hour-total record holds one 16-bit count per field.
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
    KyoukaSyoukei,
    sougou,
    doutoku,
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

inline constexpr int kHourFieldCount = 21;

enum class SubjectKind {
    Subject,    // 教科: one of the nine school subjects
    Integrated, // 総合
    Moral,      // 道徳
    Activity,   // 特別活動
    Other,      // counted in the grand total but not a lesson (打切り, 予備)
    Derived,    // subtotal or total, computed from the others
};

struct SubjectInfo {
    HourField field;
    const char *fieldName; // the record property name, as the data file order and JSON keys use it
    SubjectKind kind;
    QStringView fullName;    // palette and menu name ("" for derived rows)
    QStringView summaryName; // row name in the hours summary window
    QChar code;              // one-letter code; QChar() for derived rows
};

// The subject table, one row per field in display order.
const std::array<SubjectInfo, kHourFieldCount> &subjectTable();
const SubjectInfo &subjectInfo(HourField field);

// All fields in display order, for range-for loops.
const std::array<HourField, kHourFieldCount> &displayOrder();

// The 21 fields sorted alphabetically ignoring case: the order of a plan record in the data file.
const std::array<HourField, kHourFieldCount> &dataFileOrder();

// The 17 base fields (those a code maps to); the other four are derived from them.
const std::array<HourField, 17> &baseFields();
bool isDerived(HourField field);

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

// Fixed code orders: a code's position is its button or sheet index.
QStringView paletteOrder();          // main window palette, 16 codes
QStringView timetablePaletteOrder(); // timetable page palette, 13 codes
QStringView weeklySheetOrder();      // weekly timetable sheet, 13 codes

// 0-based index of a code in an order string, -1 when absent.
int codeIndex(QStringView order, QChar code);

// The ideographic space that stands for a period without subject.
inline constexpr QChar kNoSubject = QChar(0x3000);

} // namespace mirune
