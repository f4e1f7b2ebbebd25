#include "ui/picture_button.h"

#include <QPainter>

namespace pelizo {

PictureButton::PictureButton(QWidget* parent) : QAbstractButton(parent)
{
    setCursor(Qt::PointingHandCursor);
    setAttribute(Qt::WA_Hover);
}

void PictureButton::setPictures(const QPixmap& normal, const QPixmap& hot, const QPixmap& pressed)
{
    normal_ = normal;
    hot_ = hot;
    pressed_ = pressed;
    update();
}

void PictureButton::setNormalPicture(const QPixmap& picture)
{
    normal_ = picture;
    update();
}

void PictureButton::setHotPicture(const QPixmap& picture)
{
    hot_ = picture;
    update();
}

void PictureButton::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    const QPixmap& shown = isDown() && !pressed_.isNull() ? pressed_ : (underMouse() && !hot_.isNull() ? hot_ : normal_);
    painter.drawPixmap(rect(), shown);
}

void PictureButton::enterEvent(QEnterEvent* event)
{
    QAbstractButton::enterEvent(event);
    update();
}

void PictureButton::leaveEvent(QEvent* event)
{
    QAbstractButton::leaveEvent(event);
    update();
}

} // namespace pelizo
