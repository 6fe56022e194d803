#include "state_events.h"

#include "document/class_document.h"

namespace mirune::ui {

void StateEvents::follow(ClassDocument &document) {
    connect(&document, &ClassDocument::planReplaced, this, &StateEvents::stateReplaced);
    connect(&document, &ClassDocument::fileNameChanged, this, &StateEvents::fileNameChanged);
    connect(&document, &ClassDocument::daysChanged, this, [this](const QList<QDate> &dates) {
        // Many days at once are one notice with no date, as a whole stretch changed.
        emit daysChanged(dates.size() == 1 ? dates.front() : QDate());
    });
}

} // namespace mirune::ui
