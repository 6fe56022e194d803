#include "subject_palette.h"

#include "model/hour_fields.h"
#include "ui/common/control_array.h"
#include "ui/common/subject_button.h"

#include <QGridLayout>

namespace mirune::ui {

using namespace Qt::StringLiterals;

SubjectPalette::SubjectPalette(QWidget *parent) : QGroupBox(u"教科パレット"_s, parent) {
    setObjectName(u"fraPalette"_s);
    auto *grid = new QGridLayout(this);
    grid->setSpacing(4);
    // One button for every code the palette can offer; the subjects shown fill the first ones.
    const QStringView order = paletteOrder();
    const int rows = int((order.size() + 1) / 2);
    for (int k = 0; k < order.size(); ++k) {
        auto *button = new SubjectButton(this);
        button->setObjectName(controlName(u"cmdSubject"_s, k));
        button->setIconSize(QSize(28, 28));
        button->setMinimumSize(64, 52);
        // A button not offered leaves no hole: only the last ones are ever hidden.
        QSizePolicy policy = button->sizePolicy();
        policy.setRetainSizeWhenHidden(false);
        button->setSizePolicy(policy);
        // Pressing selects, as a click does: the subject follows the pointer from the press on.
        connect(button, &QToolButton::pressed, this,
                [this, button] { emit subjectChosen(button->code()); });
        connect(button, &QToolButton::clicked, this,
                [this, button] { emit subjectChosen(button->code()); });
        // Even indexes on the left, odd on the right.
        grid->addWidget(button, k / 2, k % 2);
        m_buttons.push_back(button);
    }
    grid->setRowStretch(rows, 1);
    setCodes(order);
}

void SubjectPalette::setCodes(QStringView codes) {
    m_codes = codes.toString();
    for (int k = 0; k < int(m_buttons.size()); ++k) {
        SubjectButton *button = m_buttons[k];
        const bool offered = k < codes.size();
        button->setCode(offered ? codes[k] : QChar());
        button->setToolTip(offered ? button->subjectName() + u"を選びます"_s : QString());
        // Shown only inside a window that is shown: the palette is built before its window.
        if (button->isVisibleTo(this) != offered)
            button->setVisible(offered);
    }
}

} // namespace mirune::ui
