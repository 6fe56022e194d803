#pragma once

// The questions every way of opening a data file asks through the one document: a file another
// program has open is offered read-only, a file that cannot be read is reported, and a recovery
// copy waiting for the plan is offered. The File menu, the wizard's first page and the start with
// a file all go through here.

#include <QString>

class QWidget;

namespace mirune::ui {

struct UiContext;

// Opens `path` into the document. A waiting recovery copy is offered once the file is open.
enum class OpenOutcome {
    Opened,
    Failed,    // not a data file, or unreadable: the reason was shown, the plan is as it was
    Cancelled, // another program has it, and the teacher did not want it read-only
};
OpenOutcome openDataFile(UiContext &ui, QWidget *parent, const QString &title, const QString &path);

enum class RecoveryOutcome { None, Declined, Restored, SetAside };

// Offers the recovery copy waiting for the document's plan (for a plan without a file, the
// newest copy of such a plan), or, with `dataFile`, for that file when it could not be opened.
// はい restores it; いいえ asks again before deleting it, and keeps it under a name of its own
// when the teacher wants it kept.
RecoveryOutcome offerWaitingCopy(UiContext &ui, QWidget *parent, const QString &title,
                                 const QString &dataFile = {});

} // namespace mirune::ui
