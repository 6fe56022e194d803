#include "scripted_dialogs.h"

#include <QPrinter>
#include <QTemporaryDir>

namespace mirune::ui::test {

namespace {

QString kindName(ScriptedDialogs::Kind kind) {
    switch (kind) {
    case ScriptedDialogs::Kind::Message:
        return QStringLiteral("message");
    case ScriptedDialogs::Kind::OpenFile:
        return QStringLiteral("open file");
    case ScriptedDialogs::Kind::SaveFile:
        return QStringLiteral("save file");
    case ScriptedDialogs::Kind::PageSetup:
        return QStringLiteral("page set-up");
    case ScriptedDialogs::Kind::ChoosePrinter:
        return QStringLiteral("printer selection");
    case ScriptedDialogs::Kind::Preview:
        return QStringLiteral("preview");
    }
    return {};
}

} // namespace

ScriptedDialogs &ScriptedDialogs::expectMessage(const QString &fragment, Answer answer) {
    m_script.push_back({Kind::Message, fragment, answer, {}, true});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectOpenFile(const QString &path) {
    m_script.push_back({Kind::OpenFile, {}, Answer::Ok, path, true});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectSaveFile(const QString &path) {
    m_script.push_back({Kind::SaveFile, {}, Answer::Ok, path, true});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectPageSetup(bool accept) {
    m_script.push_back({Kind::PageSetup, {}, Answer::Ok, {}, accept});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectChoosePrinter(bool accept) {
    m_script.push_back({Kind::ChoosePrinter, {}, Answer::Ok, {}, accept});
    return *this;
}

ScriptedDialogs &ScriptedDialogs::expectPreview(const QString &pdfPath) {
    m_script.push_back({Kind::Preview, {}, Answer::Ok, pdfPath, true});
    return *this;
}

QString ScriptedDialogs::verify() const {
    QStringList problems = m_problems;
    for (const Expectation &e : m_script)
        problems
            << QStringLiteral("expected %1 \"%2\" never came").arg(kindName(e.kind), e.fragment);
    return problems.join(QLatin1Char('\n'));
}

void ScriptedDialogs::reset() {
    m_script.clear();
    m_problems.clear();
    m_messages.clear();
    m_previews = 0;
}

const ScriptedDialogs::Expectation *ScriptedDialogs::take(Kind kind, const QString &description,
                                                          const QString &text) {
    if (m_script.empty()) {
        m_problems << QStringLiteral("unexpected %1: %2").arg(kindName(kind), description);
        return nullptr;
    }
    const Expectation &next = m_script.front();
    if (next.kind != kind || (!next.fragment.isEmpty() && !text.contains(next.fragment))) {
        m_problems << QStringLiteral("unexpected %1: %2 (expected %3 \"%4\")")
                          .arg(kindName(kind), description, kindName(next.kind), next.fragment);
        return nullptr;
    }
    m_current = next;
    m_script.pop_front();
    return &m_current;
}

Dialogs::Answer ScriptedDialogs::message(QWidget *, MessageKind kind, const QString &title,
                                         const QString &text) {
    const QString shown = title + QStringLiteral(": ") + text;
    m_messages << shown;
    const Expectation *e = take(Kind::Message, shown, shown);
    if (!e)
        return kind == MessageKind::YesNo || kind == MessageKind::YesNoCancel ? Answer::Cancel
                                                                              : Answer::Ok;
    return e->answer;
}

QString ScriptedDialogs::openFileName(QWidget *, const QString &caption, const QString &) {
    const Expectation *e = take(Kind::OpenFile, caption);
    return e ? e->path : QString();
}

QString ScriptedDialogs::saveFileName(QWidget *, const QString &caption, const QString &) {
    const Expectation *e = take(Kind::SaveFile, caption);
    return e ? e->path : QString();
}

bool ScriptedDialogs::pageSetup(QWidget *, QPrinter &) {
    const Expectation *e = take(Kind::PageSetup, QStringLiteral("page set-up"));
    return e && e->accept;
}

bool ScriptedDialogs::choosePrinter(QWidget *, QPrinter &) {
    const Expectation *e = take(Kind::ChoosePrinter, QStringLiteral("printer"));
    return e && e->accept;
}

void ScriptedDialogs::preview(QWidget *, QPrinter &printer,
                              const std::function<void(QPrinter *)> &paint) {
    const Expectation *e = take(Kind::Preview, QStringLiteral("preview"));
    if (!e)
        return;
    QTemporaryDir dir;
    const QString path = e->path.isEmpty() ? dir.filePath(QStringLiteral("preview.pdf")) : e->path;
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setPageLayout(printer.pageLayout());
    paint(&pdf);
    ++m_previews;
}

} // namespace mirune::ui::test
