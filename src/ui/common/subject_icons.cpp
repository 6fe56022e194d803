#include "subject_icons.h"

#include "model/hour_fields.h"

#include <QApplication>
#include <QFont>
#include <QHash>
#include <QIconEngine>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <cmath>

namespace mirune::ui {

namespace {

QPixmap drawIcon(QChar code, int size) {
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter painter(&pixmap);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    const QColor colour = subjectColour(code);
    const qreal margin = size / 16.0;
    const QRectF box(margin, margin, size - 2 * margin, size - 2 * margin);
    painter.setPen(QPen(colour.darker(140), qMax(1.0, size / 32.0)));
    painter.setBrush(colour);
    painter.drawRoundedRect(box, size / 6.0, size / 6.0);
    QFont font(QStringLiteral(u"IPAGothic"));
    font.setPixelSize(qMax(6, size * 5 / 8));
    font.setBold(true);
    painter.setFont(font);
    painter.setPen(colour.lightness() > 150 ? Qt::black : Qt::white);
    painter.drawText(box, Qt::AlignCenter, QString(code));
    return pixmap;
}

// Draws a subject's icon at the size a control asks for, when it first asks: a window shows the
// icons at one or two sizes, and drawing a glyph at every size a control might want would hold up
// the first paint of the main window. Each size and mode is drawn once; the copies of an icon
// share the drawings.
class SubjectIconEngine final : public QIconEngine {
  public:
    explicit SubjectIconEngine(QChar code) : m_code(code) {}

    QIconEngine *clone() const override { return new SubjectIconEngine(*this); }
    QString key() const override { return QStringLiteral(u"mirune-subject"); }

    QSize actualSize(const QSize &size, QIcon::Mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        return {side, side};
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State) override {
        const int side = qMin(size.width(), size.height());
        if (side <= 0)
            return {};
        const qint64 key = qint64(side) * 4 + mode;
        auto it = m_drawn.constFind(key);
        if (it == m_drawn.cend()) {
            QPixmap drawn = drawIcon(m_code, side);
            if (mode == QIcon::Disabled && qobject_cast<QApplication *>(qApp)) {
                // Greyed as the style greys any other icon of a disabled control.
                QStyleOption option;
                option.palette = QApplication::palette();
                drawn = QApplication::style()->generatedIconPixmap(QIcon::Disabled, drawn, &option);
            }
            it = m_drawn.insert(key, drawn);
        }
        return *it;
    }

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
               QIcon::State state) override {
        const qreal ratio = painter->device() ? painter->device()->devicePixelRatio() : 1.0;
        QPixmap drawn = pixmap(rect.size() * ratio, mode, state);
        drawn.setDevicePixelRatio(ratio);
        const QSize shown = drawn.deviceIndependentSize().toSize();
        const QRect target(rect.x() + (rect.width() - shown.width()) / 2,
                           rect.y() + (rect.height() - shown.height()) / 2, shown.width(),
                           shown.height());
        painter->drawPixmap(target, drawn);
    }

  private:
    QChar m_code;
    QHash<qint64, QPixmap> m_drawn;
};

} // namespace

QColor subjectColour(QChar code) {
    const int position = codeIndex(colourOrder(), code);
    const SubjectInfo *info = subjectForCode(code);
    if (position < 0 || !info)
        return QColor(Qt::gray);
    // Steps of the golden angle keep every subject's hue apart from its neighbours', however
    // many subjects the order holds.
    const int hue = static_cast<int>(std::fmod(position * 137.508, 360.0));
    // A later row's hue falls between two older ones; a deeper shade sets it apart from both.
    if (info->laterCurriculum)
        return QColor::fromHsv(hue, 230, 165);
    return QColor::fromHsv(hue, 150, 215);
}

QIcon subjectIcon(QChar code) {
    static QHash<QChar, QIcon> cache;
    if (!fieldForCode(code))
        return {};
    auto it = cache.find(code);
    if (it == cache.end()) {
        it = cache.insert(code, QIcon(new SubjectIconEngine(code)));
    }
    return *it;
}

QPixmap subjectPointerPixmap(QChar code) {
    if (!fieldForCode(code))
        return {};
    return drawIcon(code, 32);
}

} // namespace mirune::ui
