#pragma once

// The dialogs of a benchmark: nothing is asked while a window is built or drawn, so any question
// is refused (Cancel, no file, no printer) rather than left waiting for an answer.

#include "ui/common/dialogs.h"

namespace mirune::bench {

class NoDialogs final : public ui::Dialogs {
  public:
    Answer message(QWidget *, ui::MessageKind, const QString &, const QString &) override {
        return Answer::Cancel;
    }
    QString openFileName(QWidget *, const QString &, const QString &) override { return {}; }
    QString saveFileName(QWidget *, const QString &, const QString &) override { return {}; }
    bool pageSetup(QWidget *, QPrinter &) override { return false; }
    bool choosePrinter(QWidget *, QPrinter &) override { return false; }
    void preview(QWidget *, QPrinter &, const std::function<void(QPrinter *)> &) override {}
};

} // namespace mirune::bench
