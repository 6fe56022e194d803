#include "school_years.h"

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

struct Era {
    int firstYear; // the era's first year is its 元年
    const char16_t *name;
};

// Latest era first.
constexpr Era kEras[] = {{2019, u"令和"}, {1989, u"平成"}, {1926, u"昭和"}};

} // namespace

int fncCurrentSchoolYear(const QDate &today) {
    return today.month() >= 4 ? today.year() : today.year() - 1;
}

int fncLastListedYear(const QDate &today) {
    return fncCurrentSchoolYear(today) + 1;
}

QString fncSchoolYearName(int year) {
    for (const Era &era : kEras) {
        if (year < era.firstYear)
            continue;
        const int n = year - era.firstYear + 1;
        const QString number = n == 1 ? u"元"_s : QString::number(n);
        return u"%1%2年度(%3年度)"_s.arg(QString::fromUtf16(era.name), number).arg(year);
    }
    return u"%1年度"_s.arg(year);
}

QStringList fncYearListItems(const QDate &today) {
    QStringList items;
    for (int year = kFirstListedYear; year <= fncLastListedYear(today); ++year)
        items.append(fncSchoolYearName(year));
    return items;
}

} // namespace mirune
