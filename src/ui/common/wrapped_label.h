#pragma once

#include <QFont>
#include <QHash>
#include <QLabel>
#include <QString>

namespace mirune::ui {

// A label of plain text wrapped at word boundaries, for a few lines of instruction. A layout asks
// a wrapped label for its height at many widths while it settles, and a label lays out its whole
// text for every question; this one remembers the answers until its text or font changes.
class WrappedLabel : public QLabel {
    Q_OBJECT
  public:
    explicit WrappedLabel(const QString &text, QWidget *parent = nullptr);

    int heightForWidth(int width) const override;

  private:
    mutable QHash<int, int> m_heights;
    mutable QString m_measuredText;
    mutable QFont m_measuredFont;
};

} // namespace mirune::ui
