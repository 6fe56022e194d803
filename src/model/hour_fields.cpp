#include "hour_fields.h"

#include <algorithm>
#include <memory>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr QChar none{};

const std::array<SubjectInfo, kHourFieldCount> kTable = {{
    {HourField::kokugo, "kokugo", SubjectKind::Subject, u"国語", u"国語", QChar(u'国')},
    {HourField::syakai, "syakai", SubjectKind::Subject, u"社会", u"社会", QChar(u'社')},
    {HourField::sannsuu, "sannsuu", SubjectKind::Subject, u"算数", u"算数", QChar(u'算')},
    {HourField::rika, "rika", SubjectKind::Subject, u"理科", u"理科", QChar(u'理')},
    {HourField::seikatsu, "seikatsu", SubjectKind::Subject, u"生活", u"生活", QChar(u'生')},
    {HourField::onngaku, "onngaku", SubjectKind::Subject, u"音楽", u"音楽", QChar(u'音')},
    {HourField::zukou, "zukou", SubjectKind::Subject, u"図工", u"図工", QChar(u'図')},
    {HourField::katei, "katei", SubjectKind::Subject, u"家庭", u"家庭", QChar(u'家')},
    {HourField::taiiku, "taiiku", SubjectKind::Subject, u"体育", u"体育", QChar(u'体')},
    {HourField::KyoukaSyoukei, "KyoukaSyoukei", SubjectKind::Derived, u"", u"教科小計", none},
    {HourField::sougou, "sougou", SubjectKind::Integrated, u"総合", u"総合", QChar(u'総')},
    {HourField::doutoku, "doutoku", SubjectKind::Moral, u"道徳", u"道徳", QChar(u'道')},
    {HourField::gakkyuukatsudou, "gakkyuukatsudou", SubjectKind::Activity, u"学活", u"学活",
     QChar(u'学')},
    {HourField::kurabu, "kurabu", SubjectKind::Activity, u"クラブ", u"ｸﾗﾌﾞ", QChar(u'ク')},
    {HourField::jidoukai, "jidoukai", SubjectKind::Activity, u"児童会", u"児童会", QChar(u'児')},
    {HourField::gakkougyouji, "gakkougyouji", SubjectKind::Activity, u"行事", u"学校行事",
     QChar(u'行')},
    {HourField::TokkatsuSyoukei, "TokkatsuSyoukei", SubjectKind::Derived, u"", u"特活小計", none},
    {HourField::SouJyugyouJisuu, "SouJyugyouJisuu", SubjectKind::Derived, u"", u"総授業時数", none},
    {HourField::uchikiri, "uchikiri", SubjectKind::Other, u"打切り", u"打切時数", QChar(u'切')},
    {HourField::yobi, "yobi", SubjectKind::Other, u"予備", u"予備時数", QChar(u'予')},
    {HourField::SouJisuu, "SouJisuu", SubjectKind::Derived, u"", u"総時数", none},
}};

std::array<HourField, kHourFieldCount> makeDisplayOrder() {
    std::array<HourField, kHourFieldCount> order{};
    for (int i = 0; i < kHourFieldCount; ++i)
        order[i] = static_cast<HourField>(i);
    return order;
}

std::array<HourField, kHourFieldCount> makeDataFileOrder() {
    auto order = makeDisplayOrder();
    std::sort(order.begin(), order.end(), [](HourField a, HourField b) {
        return QString::fromLatin1(subjectInfo(a).fieldName)
                   .compare(QString::fromLatin1(subjectInfo(b).fieldName), Qt::CaseInsensitive) < 0;
    });
    return order;
}

std::array<HourField, 17> makeBaseFields() {
    std::array<HourField, 17> fields{};
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

const std::array<HourField, kHourFieldCount> &dataFileOrder() {
    static const auto order = makeDataFileOrder();
    return order;
}

const std::array<HourField, 17> &baseFields() {
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
    return u"総国社算理生音図家体道学ク児行切";
}
QStringView timetablePaletteOrder() {
    return u"総国社算理生音図家体道学ク";
}
QStringView weeklySheetOrder() {
    return u"国社算理音図家体総道学ク生";
}

int codeIndex(QStringView order, QChar code) {
    return static_cast<int>(order.indexOf(code));
}

} // namespace mirune
