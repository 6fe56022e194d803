#include "subject_icons.h"

#include "model/hour_fields.h"

#include <QFont>
#include <QHash>
#include <QPainter>
#include <cmath>

namespace mirune::ui {

namespace {

// Position of a code among the subjects that have one, and how many have one.
std::pair<int, int> codePosition(QChar code) {
    int position = -1;
    int count = 0;
    for (const SubjectInfo &info : subjectTable()) {
        if (info.code.isNull())
            continue;
        if (info.code == code)
            position = count;
        ++count;
    }
    return {position, count};
}

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

} // namespace

QColor subjectColour(QChar code) {
    const auto [position, count] = codePosition(code);
    if (position < 0 || count == 0)
        return QColor(Qt::gray);
    // Steps of the golden angle keep every subject's hue apart from its neighbours', however
    // many subjects the table holds.
    const int hue = static_cast<int>(std::fmod(position * 137.508, 360.0));
    return QColor::fromHsv(hue, 150, 215);
}

QIcon subjectIcon(QChar code) {
    static QHash<QChar, QIcon> cache;
    if (!fieldForCode(code))
        return {};
    auto it = cache.find(code);
    if (it == cache.end()) {
        QIcon icon;
        for (int size : {16, 24, 32, 48, 64})
            icon.addPixmap(drawIcon(code, size));
        it = cache.insert(code, icon);
    }
    return *it;
}

QIcon subjectIconForName(const QString &fullName) {
    if (fullName.isEmpty())
        return {};
    for (const SubjectInfo &info : subjectTable())
        if (!info.code.isNull() && info.fullName == fullName)
            return subjectIcon(info.code);
    return {};
}

QPixmap subjectPointerPixmap(QChar code) {
    if (!fieldForCode(code))
        return {};
    return drawIcon(code, 32);
}

} // namespace mirune::ui
