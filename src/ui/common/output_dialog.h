#pragma once

#include "report/output_policy.h"

#include <QString>

class QWidget;

namespace mirune::ui {

class Dialogs;

// The file an output of the windows goes to (Excel に保存, PDF に保存): the save dialog, then
// the output policy. A name without an extension gets the format's own. A refused name (the
// open class's file, any data file, a name of another format, a folder) is said in a warning
// under `title`; an existing file is replaced only when the user answers Yes to the question.
struct OutputChoice {
    QString path;         // where to write, links followed; empty when nothing is to be written
    bool refused = false; // the name was refused (and the warning shown)
};
OutputChoice fncChooseOutputPath(Dialogs &dialogs, QWidget *parent, const QString &title,
                                 const QString &filter, OutputFormat format,
                                 const QString &openDataFile);

} // namespace mirune::ui
