#include "class_line.h"

namespace mirune {

using namespace Qt::StringLiterals;

QString fncClassLine(const AppState &state) {
    return QString::number(state.intYear) + u"年　"_s + QString::number(state.intGrade) + u"年"_s +
           state.strClass + u"組　　担任："_s + state.strTeacher;
}

} // namespace mirune
