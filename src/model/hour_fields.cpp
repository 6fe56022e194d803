#include "hour_fields.h"

#include <algorithm>
#include <memory>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

using F = HourField;
using K = SubjectKind;

constexpr QChar none{};

// One row per field in display order: field, field name, kind, full name (palette), name in
// the hours summary window, plan page heading, short name, code, later curriculum, and the
// slots in the palette, the timetable palette, the weekly sheet and the colours.
constexpr std::array<SubjectInfo, kHourFieldCount> kTable = {{
    {F::kokugo,
     "kokugo",
     K::Subject,
     u"国語",
     u"国語",
     u"国語",
     u"国語",
     QChar(u'国'),
     false,
     {1, 1, 0, 0}},
    {F::syakai,
     "syakai",
     K::Subject,
     u"社会",
     u"社会",
     u"社会",
     u"社会",
     QChar(u'社'),
     false,
     {2, 2, 1, 1}},
    {F::sannsuu,
     "sannsuu",
     K::Subject,
     u"算数",
     u"算数",
     u"算数",
     u"算数",
     QChar(u'算'),
     false,
     {3, 3, 2, 2}},
    {F::rika,
     "rika",
     K::Subject,
     u"理科",
     u"理科",
     u"理科",
     u"理科",
     QChar(u'理'),
     false,
     {4, 4, 3, 3}},
    {F::seikatsu,
     "seikatsu",
     K::Subject,
     u"生活",
     u"生活",
     u"生活",
     u"生活",
     QChar(u'生'),
     false,
     {5, 5, 14, 4}},
    {F::onngaku,
     "onngaku",
     K::Subject,
     u"音楽",
     u"音楽",
     u"音楽",
     u"音楽",
     QChar(u'音'),
     false,
     {6, 6, 4, 5}},
    {F::zukou,
     "zukou",
     K::Subject,
     u"図工",
     u"図工",
     u"図工",
     u"図工",
     QChar(u'図'),
     false,
     {7, 7, 5, 6}},
    {F::katei,
     "katei",
     K::Subject,
     u"家庭",
     u"家庭",
     u"家庭",
     u"家庭",
     QChar(u'家'),
     false,
     {8, 8, 6, 7}},
    {F::taiiku,
     "taiiku",
     K::Subject,
     u"体育",
     u"体育",
     u"体育",
     u"体育",
     QChar(u'体'),
     false,
     {9, 9, 7, 8}},
    // Taught as English: the weekly sheet's two characters say so, as the code does.
    {F::gaikokugo,
     "gaikokugo",
     K::Subject,
     u"外国語",
     u"外国語",
     u"外国語",
     u"英語",
     QChar(u'英'),
     true,
     {10, 10, 8, 17}},
    {F::KyoukaSyoukei, "KyoukaSyoukei", K::Derived, u"", u"教科小計", u"", u"", none},
    {F::sougou,
     "sougou",
     K::Integrated,
     u"総合",
     u"総合",
     u"総合",
     u"総合",
     QChar(u'総'),
     false,
     {0, 0, 9, 9}},
    {F::doutoku,
     "doutoku",
     K::Moral,
     u"道徳",
     u"道徳",
     u"道徳",
     u"道徳",
     QChar(u'道'),
     false,
     {11, 11, 10, 10}},
    {F::gaikokugokatsudou,
     "gaikokugokatsudou",
     K::ForeignLanguageActivity,
     u"外国語活動",
     u"外国語活動",
     u"外国語活動",
     u"外活",
     QChar(u'外'),
     true,
     {12, 12, 11, 18}},
    {F::gakkyuukatsudou,
     "gakkyuukatsudou",
     K::Activity,
     u"学活",
     u"学活",
     u"学活",
     u"学活",
     QChar(u'学'),
     false,
     {13, 13, 12, 11}},
    {F::kurabu,
     "kurabu",
     K::Activity,
     u"クラブ",
     u"ｸﾗﾌﾞ",
     u"ｸﾗﾌﾞ",
     u"ｸﾗﾌﾞ",
     QChar(u'ク'),
     false,
     {14, 14, 13, 12}},
    {F::jidoukai,
     "jidoukai",
     K::Activity,
     u"児童会",
     u"児童会",
     u"児童会",
     u"",
     QChar(u'児'),
     false,
     {15, -1, -1, 13}},
    {F::gakkougyouji,
     "gakkougyouji",
     K::Activity,
     u"行事",
     u"学校行事",
     u"行事",
     u"",
     QChar(u'行'),
     false,
     {16, -1, -1, 14}},
    {F::TokkatsuSyoukei, "TokkatsuSyoukei", K::Derived, u"", u"特活小計", u"", u"", none},
    {F::SouJyugyouJisuu, "SouJyugyouJisuu", K::Derived, u"", u"総授業時数", u"", u"", none},
    {F::uchikiri,
     "uchikiri",
     K::Other,
     u"打切り",
     u"打切時数",
     u"打切",
     u"",
     QChar(u'切'),
     false,
     {17, -1, -1, 15}},
    {F::yobi,
     "yobi",
     K::Other,
     u"予備",
     u"予備時数",
     u"予備",
     u"",
     QChar(u'予'),
     false,
     {-1, -1, -1, 16}},
    {F::SouJisuu, "SouJisuu", K::Derived, u"", u"総時数", u"", u"", none},
}};

// The slots of one order, read off the table: a code per slot.
using SlotOf = qint8 SubjectSlots::*;

constexpr int slotCount(SlotOf slot) {
    int n = 0;
    for (const SubjectInfo &info : kTable)
        n += info.orderSlots.*slot >= 0 ? 1 : 0;
    return n;
}

// Every slot from 0 up to the order's length taken exactly once, and only by rows with a code.
constexpr bool slotsFormAnOrder(SlotOf slot) {
    const int count = slotCount(slot);
    for (int wanted = 0; wanted < count; ++wanted) {
        int holders = 0;
        for (const SubjectInfo &info : kTable)
            if (info.orderSlots.*slot == wanted)
                holders += info.code.isNull() ? 2 : 1;
        if (holders != 1)
            return false;
    }
    return true;
}
static_assert(slotsFormAnOrder(&SubjectSlots::palette), "palette slots");
static_assert(slotsFormAnOrder(&SubjectSlots::timetablePalette), "timetable palette slots");
static_assert(slotsFormAnOrder(&SubjectSlots::weeklySheet), "weekly sheet slots");
static_assert(slotsFormAnOrder(&SubjectSlots::colour), "colour slots");

QString makeOrder(SlotOf slot) {
    QString order(slotCount(slot), QChar());
    for (const SubjectInfo &info : kTable)
        if (info.orderSlots.*slot >= 0)
            order[info.orderSlots.*slot] = info.code;
    return order;
}

constexpr int countBaseRows() {
    int n = 0;
    for (const SubjectInfo &info : kTable)
        n += info.kind != K::Derived ? 1 : 0;
    return n;
}
static_assert(countBaseRows() == kBaseFieldCount, "kBaseFieldCount must match the table");

constexpr bool inDisplayOrder() {
    for (int i = 0; i < kHourFieldCount; ++i)
        if (static_cast<int>(kTable[i].field) != i)
            return false;
    return true;
}
static_assert(inDisplayOrder(), "the table's rows stand in the enum's order");

std::array<HourField, kHourFieldCount> makeDisplayOrder() {
    std::array<HourField, kHourFieldCount> order{};
    for (int i = 0; i < kHourFieldCount; ++i)
        order[i] = static_cast<HourField>(i);
    return order;
}

// The 21 fields of the 2002 curriculum sorted alphabetically ignoring case, written out: this
// order is the layout of files teachers already have and must not follow the table.
constexpr std::array<HourField, kClassicFieldCount> kClassicDataFileOrder = {
    F::doutoku,  F::gakkougyouji,  F::gakkyuukatsudou, F::jidoukai, F::katei,   F::kokugo,
    F::kurabu,   F::KyoukaSyoukei, F::onngaku,         F::rika,     F::sannsuu, F::seikatsu,
    F::sougou,   F::SouJisuu,      F::SouJyugyouJisuu, F::syakai,   F::taiiku,  F::TokkatsuSyoukei,
    F::uchikiri, F::yobi,          F::zukou,
};

std::array<HourField, kBaseFieldCount> makeBaseFields() {
    std::array<HourField, kBaseFieldCount> fields{};
    int n = 0;
    for (const SubjectInfo &info : kTable)
        if (info.kind != SubjectKind::Derived)
            fields[n++] = info.field;
    return fields;
}

} // namespace

const std::array<SubjectInfo, kHourFieldCount> &subjectTable() {
    return kTable;
}

const SubjectInfo &subjectInfo(HourField field) {
    return kTable[static_cast<int>(field)];
}

const std::array<HourField, kHourFieldCount> &displayOrder() {
    static const auto order = makeDisplayOrder();
    return order;
}

const std::array<HourField, kClassicFieldCount> &classicDataFileOrder() {
    return kClassicDataFileOrder;
}

const std::array<HourField, kHourFieldCount> &extendedDataFileOrder() {
    static const auto order = [] {
        std::array<HourField, kHourFieldCount> fields{};
        std::copy(kClassicDataFileOrder.begin(), kClassicDataFileOrder.end(), fields.begin());
        std::copy(laterCurriculumFields().begin(), laterCurriculumFields().end(),
                  fields.begin() + kClassicFieldCount);
        return fields;
    }();
    return order;
}

const std::array<HourField, kHourFieldCount - kClassicFieldCount> &laterCurriculumFields() {
    static const auto fields = [] {
        std::array<HourField, kHourFieldCount - kClassicFieldCount> later{};
        std::size_t n = 0;
        for (const SubjectInfo &info : kTable)
            if (info.laterCurriculum)
                later.at(n++) = info.field;
        return later;
    }();
    return fields;
}

const std::array<HourField, kBaseFieldCount> &baseFields() {
    static const auto fields = makeBaseFields();
    return fields;
}

bool isDerived(HourField field) {
    return subjectInfo(field).kind == SubjectKind::Derived;
}

const std::array<qint8, 0x10000> &fieldByCodeUnit() {
    // One slot per code unit, so that a lookup is a single load. (A search of the sorted codes
    // mispredicted a branch at nearly every step and took most of the time of a year's totals.)
    static const auto table = [] {
        auto codes = std::make_unique<std::array<qint8, 0x10000>>();
        codes->fill(-1);
        for (const SubjectInfo &info : kTable)
            if (!info.code.isNull())
                (*codes)[info.code.unicode()] = qint8(info.field);
        return codes;
    }();
    return *table;
}

QStringView paletteOrder() {
    static const QString order = makeOrder(&SubjectSlots::palette);
    return order;
}
QStringView timetablePaletteOrder() {
    static const QString order = makeOrder(&SubjectSlots::timetablePalette);
    return order;
}
QStringView weeklySheetOrder() {
    static const QString order = makeOrder(&SubjectSlots::weeklySheet);
    return order;
}
QStringView colourOrder() {
    static const QString order = makeOrder(&SubjectSlots::colour);
    return order;
}

const SubjectInfo *subjectForCode(QChar code) {
    const auto field = fieldForCode(code);
    return field ? &subjectInfo(*field) : nullptr;
}

int codeIndex(QStringView order, QChar code) {
    return static_cast<int>(order.indexOf(code));
}

} // namespace mirune
