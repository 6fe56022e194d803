#include "notation.h"

#include <array>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

constexpr QStringView kWeekdays = u"月火水木金土日";
constexpr QStringView kPeriods = u"０１２３４５６７";
constexpr std::array<QStringView, kLongestTimeCode + 1> kLengthTexts = {
    u"なし", u"１５分", u"３０分", u"４５分", u"６０分"};

} // namespace

QChar fncWeekdayChar(int dayOfWeek) {
    return dayOfWeek >= 1 && dayOfWeek <= 7 ? kWeekdays[dayOfWeek - 1] : QChar();
}

QChar fncPeriodChar(int period) {
    return period >= 0 && period < kPeriods.size() ? kPeriods[period] : QChar();
}

QString fncLessonLengthText(int code) {
    return fncIsTimeCode(code) ? kLengthTexts[code].toString() : QString();
}

int fncDisplayWidth(QStringView text) {
    int width = 0;
    for (const QChar c : text) {
        if (c.isLowSurrogate())
            continue; // counted with its high half
        const char16_t u = c.unicode();
        const bool halfWidth = u < 0x80 || (u >= 0xFF61 && u <= 0xFF9F);
        width += halfWidth ? 1 : 2;
    }
    return width;
}

} // namespace mirune
