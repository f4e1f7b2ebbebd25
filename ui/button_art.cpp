#include "ui/button_art.h"

#include <QFont>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace pelizo {
namespace {

QColor accentFor(PictureState state)
{
    switch (state) {
    case PictureState::Hot:
        return QColor(255, 255, 255, 60);
    case PictureState::Selected:
        return QColor(255, 255, 255, 110);
    default:
        return QColor(0, 0, 0, 0);
    }
}

} // namespace

QPixmap bigButtonPicture(const QString& caption, QChar emblem, PictureState state)
{
    QPixmap pixmap(94, 72);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    // The strip shows rows 11 to 54 of the button; everything sits there.
    QPainterPath plate;
    plate.addRoundedRect(QRectF(8, 12, 78, 41), 6, 6);
    p.fillPath(plate, accentFor(state));
    if (state == PictureState::Selected) {
        p.setPen(QPen(QColor(255, 255, 255, 220), 2));
        p.drawLine(24, 52, 70, 52);
    }
    QFont emblemFont = p.font();
    emblemFont.setPixelSize(18);
    emblemFont.setBold(true);
    p.setFont(emblemFont);
    p.setPen(Qt::white);
    p.drawText(QRect(0, 12, 94, 22), Qt::AlignCenter, QString(emblem));
    QFont captionFont = p.font();
    captionFont.setPixelSize(12);
    captionFont.setBold(state == PictureState::Selected);
    p.setFont(captionFont);
    p.drawText(QRect(0, 33, 94, 17), Qt::AlignCenter, caption);
    return pixmap;
}

QPixmap stripButtonPicture(StripGlyph glyph, PictureState state)
{
    QPixmap pixmap(22, 22);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    if (state != PictureState::Normal)
        p.fillRect(QRect(0, 10, 22, 12), glyph == StripGlyph::Close ? QColor(220, 60, 60) : QColor(255, 255, 255, 70));
    // The buttons stand partly above the strip's top edge: the glyphs keep
    // to rows 11 to 21, which are always shown.
    p.setPen(QPen(Qt::white, 2));
    switch (glyph) {
    case StripGlyph::Menu:
        for (int y : {12, 15, 18})
            p.drawLine(6, y, 16, y);
        break;
    case StripGlyph::Minimise:
        p.drawLine(6, 18, 16, 18);
        break;
    case StripGlyph::Close:
        p.drawLine(7, 12, 15, 20);
        p.drawLine(15, 12, 7, 20);
        break;
    }
    return pixmap;
}

QPixmap titleStripPicture(int width, int height)
{
    QPixmap pixmap(width, height);
    QPainter p(&pixmap);
    QLinearGradient gradient(0, 0, width, height);
    gradient.setColorAt(0, QColor(22, 120, 200));
    gradient.setColorAt(1, QColor(40, 170, 220));
    p.fillRect(pixmap.rect(), gradient);
    return pixmap;
}

QPixmap applicationIcon(int size)
{
    QPixmap pixmap(size, size);
    pixmap.fill(Qt::transparent);
    QPainter p(&pixmap);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient gradient(0, 0, size, size);
    gradient.setColorAt(0, QColor(22, 120, 200));
    gradient.setColorAt(1, QColor(40, 190, 230));
    QPainterPath plate;
    plate.addRoundedRect(QRectF(0, 0, size, size), size / 6.0, size / 6.0);
    p.fillPath(plate, gradient);
    QPainterPath play;
    play.moveTo(size * 0.38, size * 0.28);
    play.lineTo(size * 0.38, size * 0.72);
    play.lineTo(size * 0.74, size * 0.5);
    play.closeSubpath();
    p.fillPath(play, Qt::white);
    return pixmap;
}

} // namespace pelizo
