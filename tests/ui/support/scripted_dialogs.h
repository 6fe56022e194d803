#pragma once

#include "ui/common/dialogs.h"

#include <QString>
#include <QStringList>
#include <deque>

namespace mirune::ui::test {

// The common dialogs answered from a script. A test queues what it expects to be asked, in
// order, with the answer to give; each call checks that it is the next expected one (its kind,
// and a fragment of its title or text) and takes the answer. A call nobody expected is recorded
// and refused (Cancel, an empty name, false), so a test never blocks on a dialog; `verify()`
// then reports it, and anything still queued.
class ScriptedDialogs final : public Dialogs {
  public:
    enum class Kind { Message, OpenFile, SaveFile, PageSetup, ChoosePrinter, Preview };

    // A message box whose title or text contains `fragment`, answered with `answer`.
    ScriptedDialogs &expectMessage(const QString &fragment, Answer answer = Answer::Ok);
    // An open dialog, answered with `path` (empty: cancelled).
    ScriptedDialogs &expectOpenFile(const QString &path);
    // A save dialog, answered with `path` (empty: cancelled).
    ScriptedDialogs &expectSaveFile(const QString &path);
    ScriptedDialogs &expectPageSetup(bool accept = true);
    ScriptedDialogs &expectChoosePrinter(bool accept = true);
    // A preview: the paint routine is run on a PDF printer into `pdfPath` (empty: a temporary
    // file), so the real drawing runs.
    ScriptedDialogs &expectPreview(const QString &pdfPath = {});

    // Empty when every call was expected and every expectation met; otherwise what went wrong.
    QString verify() const;
    // Forgets the script and the record.
    void reset();

    // Every message shown, as "title: text", in order.
    const QStringList &messagesShown() const { return m_messages; }
    // How many previews were drawn.
    int previewsDrawn() const { return m_previews; }

    Answer message(QWidget *parent, MessageKind kind, const QString &title,
                   const QString &text) override;
    QString openFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    QString saveFileName(QWidget *parent, const QString &caption, const QString &filter) override;
    bool pageSetup(QWidget *parent, QPrinter &printer) override;
    bool choosePrinter(QWidget *parent, QPrinter &printer) override;
    void preview(QWidget *parent, QPrinter &printer,
                 const std::function<void(QPrinter *)> &paint) override;

  private:
    struct Expectation {
        Kind kind;
        QString fragment;
        Answer answer = Answer::Ok;
        QString path;
        bool accept = true;
    };

    // The next expectation if it is of this kind (and matches the text); otherwise records the
    // surprise and gives nothing.
    const Expectation *take(Kind kind, const QString &description, const QString &text = {});

    std::deque<Expectation> m_script;
    Expectation m_current;
    QStringList m_problems;
    QStringList m_messages;
    int m_previews = 0;
};

} // namespace mirune::ui::test
