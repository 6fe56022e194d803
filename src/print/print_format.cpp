#include "print_format.h"

#include "model/hour_fields.h"
#include "model/units.h"

#include <array>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

// Names by position in the weekly sheet order "国社算理音図家体総道学ク生".
constexpr std::array<QStringView, 13> kSheetSubjectNames = {
    u"国語", u"社会", u"算数", u"理科", u"音楽", u"図工", u"家庭",
    u"体育", u"総合", u"道徳", u"学活", u"ｸﾗﾌﾞ", u"生活",
};

constexpr QStringView kGradeDigits = u"１２３４５６";
constexpr QStringView kClassDigits = u"１２３４５６７８９";

} // namespace

QString fncItoS(int n, int width) {
    return QString::number(n).rightJustified(width, u' ');
}

QString fncCtoS(int units, int width) {
    return fncUnitsToText(units).rightJustified(width, u' ');
}

QString fncSubjectName(QChar code) {
    const int index = codeIndex(weeklySheetOrder(), code);
    if (index < 0 || index >= int(kSheetSubjectNames.size()))
        return QString();
    return kSheetSubjectNames[index].toString();
}

QString fncGradeText(int grade) {
    // A grade outside 1..6 never comes from the class page; it prints as nothing rather than
    // as a wrong digit.
    if (grade < 1 || grade > int(kGradeDigits.size()))
        return QString();
    return kGradeDigits.mid(grade - 1, 1).toString();
}

QString fncClassText(const QString &strClass) {
    // Only a lone digit 1..9 becomes full-width; "10", "03" and names stay as typed.
    if (strClass.size() == 1 && strClass[0] >= u'1' && strClass[0] <= u'9')
        return kClassDigits.mid(strClass[0].unicode() - u'1', 1).toString();
    return strClass;
}

QString fncClassLabel(const AppState &state) {
    return fncGradeText(state.intGrade) + u"年"_s + fncClassText(state.strClass) + u"組"_s;
}

} // namespace mirune
