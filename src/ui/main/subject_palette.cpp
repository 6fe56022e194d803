#include "subject_palette.h"

#include "model/hour_fields.h"
#include "model/week_view.h"
#include "ui/common/control_array.h"
#include "ui/common/subject_button.h"

#include <QGridLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

SubjectPalette::SubjectPalette(QWidget *parent) : QGroupBox(u"教科パレット"_s, parent) {
    setObjectName(u"fraPalette"_s);
    auto *grid = new QGridLayout(this);
    grid->setSpacing(4);
    const QStringView order = paletteOrder();
    const int rows = int((order.size() + 1) / 2);
    for (int k = 0; k < order.size(); ++k) {
        auto *button = new SubjectButton(this);
        button->setObjectName(controlName(u"cmdSubject"_s, k));
        button->setSubject(fncSubjectFullName(order[k]));
        button->setIconSize(QSize(28, 28));
        button->setMinimumSize(64, 52);
        button->setToolTip(button->subject() + u"を選びます"_s);
        // Pressing selects, as a click does: the subject follows the pointer from the press on.
        connect(button, &QToolButton::pressed, this,
                [this, button] { emit subjectChosen(button->subject()); });
        connect(button, &QToolButton::clicked, this,
                [this, button] { emit subjectChosen(button->subject()); });
        // Even indexes on the left, odd on the right.
        grid->addWidget(button, k / 2, k % 2);
        m_buttons.push_back(button);
    }
    grid->setRowStretch(rows, 1);
}

} // namespace mirune::ui
