#include "units.h"

#include "hour_fields.h"

#include <algorithm>
#include <array>
#include <cstdlib>

namespace mirune {

using namespace Qt::StringLiterals;

QString fncUnitsToText(int units) {
    const int hours = units / kUnitsPerLessonHour; // truncates toward zero
    const int rest = std::abs(units) % kUnitsPerLessonHour;
    QString text = QString::number(hours) + u'.' + QString::number(rest);
    // -1 and -2 have no minus in their whole part; every negative count reads as "-" and the
    // text of its absolute value.
    if (units < 0 && hours == 0)
        text.prepend(u'-');
    return text;
}

std::optional<qint16> fncTextToUnits(QStringView text) {
    const qsizetype point = text.indexOf(u'.');
    auto wholeNumber = [](QStringView digits) -> std::optional<qint64> {
        if (digits.isEmpty())
            return std::nullopt;
        qint64 value = 0;
        for (QChar c : digits) {
            if (!c.isDigit() || c.unicode() > u'9')
                return std::nullopt;
            value = std::min<qint64>(value * 10 + (c.unicode() - u'0'), 1'000'000);
        }
        return value;
    };
    // A count past the 16-bit range is no plan entry: held at the limit it would come back as a
    // different number of hours without anyone noticing.
    auto fit = [](qint64 v) -> std::optional<qint16> {
        if (v > 32767)
            return std::nullopt;
        return qint16(v);
    };
    if (point < 0) {
        const auto value = wholeNumber(text);
        if (!value)
            return std::nullopt;
        return fit(*value * kUnitsPerLessonHour);
    }
    // Nothing, or more than one character, after the first "." gives 0 whatever stands before it.
    if (point != text.size() - 2)
        return qint16(0);
    const auto whole = wholeNumber(text.left(point));
    if (!whole)
        return std::nullopt;
    const auto rest = wholeNumber(text.mid(point + 1, 1));
    if (!rest)
        return std::nullopt;
    return fit(*whole * kUnitsPerLessonHour + *rest);
}

QString fncSubjectToCode(QStringView name) {
    // The names the palettes show: a subject of the palette order, by its full name.
    for (QChar code : paletteOrder())
        if (const SubjectInfo *info = subjectForCode(code); info && info->fullName == name)
            return QString(code);
    if (name.isEmpty())
        return u"　"_s;
    return QString();
}

QString fncBoolToText(Flag flag) {
    return isTrue(flag) ? u"True"_s : u"False"_s;
}

Flag fncTextToBool(QStringView text) {
    return toFlag(text == u"True");
}

namespace {

struct ParsedNumber {
    qint64 value = 0;
    bool overflow = false;
};

ParsedNumber parseLeadingNumber(QStringView text) {
    qsizetype i = 0;
    while (i < text.size() && (text[i] == u' ' || text[i] == u'\t'))
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+')) {
        negative = text[i] == u'-';
        ++i;
    }
    ParsedNumber parsed;
    for (; i < text.size(); ++i) {
        const char16_t c = text[i].unicode();
        if (c < u'0' || c > u'9')
            break;
        parsed.value = parsed.value * 10 + (c - u'0');
        if (parsed.value > 1'000'000'000) {
            parsed.overflow = true;
            parsed.value = 1'000'000'000;
        }
    }
    if (negative)
        parsed.value = -parsed.value;
    return parsed;
}

} // namespace

std::optional<qint16> fncNumericValue16(QStringView text) {
    const ParsedNumber parsed = parseLeadingNumber(text);
    if (parsed.overflow || parsed.value < -32768 || parsed.value > 32767)
        return std::nullopt;
    return qint16(parsed.value);
}

qint64 fncNumericValue(QStringView text) {
    return parseLeadingNumber(text).value;
}

QDate fncSchoolDate(QStringView yearText, QStringView monthText, QStringView dayText) {
    qint64 year = fncNumericValue(yearText);
    const qint64 month = fncNumericValue(monthText);
    const qint64 day = fncNumericValue(dayText);
    if (month <= 3)
        ++year;
    if (year < 1 || year > 9999 || month < 1 || month > 12 || day < 1 || day > 31)
        return QDate();
    return QDate(int(year), int(month), int(day)); // invalid when the day is past the month's end
}

QString fncNumberText(int n) {
    return n >= 0 ? u' ' + QString::number(n) : QString::number(n);
}

} // namespace mirune
