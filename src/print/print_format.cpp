#include "print_format.h"

#include "model/hour_fields.h"
#include "model/units.h"

#include <array>

namespace mirune {

using namespace Qt::StringLiterals;

namespace {

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
    // The subjects the weekly sheet prints, by the short name the table gives each.
    const SubjectInfo *info = subjectForCode(code);
    return info && info->orderSlots.weeklySheet >= 0 ? info->shortName.toString() : QString();
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
