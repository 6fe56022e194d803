#pragma once

#include <QString>

// Texts that the class and holiday pages share.
namespace mirune::ui::wizard_texts {

using namespace Qt::StringLiterals;

inline QString caption() {
    return u"学級計画・授業計画ウィザード"_s;
}
// The title of a message box that has no title of its own.
inline QString appTitle() {
    return u"ミルネ2002"_s;
}
inline QString before() {
    return u"前へ"_s;
}
inline QString next() {
    return u"次へ"_s;
}
inline QString finish() {
    return u"設定の終了"_s;
}

} // namespace mirune::ui::wizard_texts
