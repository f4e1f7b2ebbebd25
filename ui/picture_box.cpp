#include "ui/picture_box.h"

#include <QBuffer>
#include <QImageReader>
#include <QMouseEvent>

namespace pelizo {

PictureBox::PictureBox(QWidget* parent) : QLabel(parent)
{
    setAlignment(Qt::AlignCenter);
}

void PictureBox::setImageBytes(const std::string& bytes)
{
    QByteArray data(bytes.data(), static_cast<qsizetype>(bytes.size()));
    QBuffer buffer(&data);
    QImageReader reader(&buffer);
    // A hostile image must not take the memory: posters are small.
    reader.setAllocationLimit(64);
    const QImage image = reader.read();
    setPicture(image.isNull() ? QPixmap() : QPixmap::fromImage(image));
}

void PictureBox::setPicture(const QPixmap& picture)
{
    picture_ = picture;
    showScaled();
}

PictureBox* PictureBox::copy() const
{
    auto* box = new PictureBox(parentWidget());
    box->setObjectName(objectName());
    box->setGeometry(geometry());
    box->setFrameStyle(frameStyle());
    box->setStyleSheet(styleSheet());
    box->setCursor(cursor());
    box->setToolTip(toolTip());
    return box;
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent* event)
{
    QLabel::mouseDoubleClickEvent(event);
    emit doubleClicked(this);
}

void PictureBox::resizeEvent(QResizeEvent* event)
{
    QLabel::resizeEvent(event);
    showScaled();
}

void PictureBox::showScaled()
{
    if (picture_.isNull())
        clear();
    else
        setPixmap(picture_.scaled(size(), Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
}

} // namespace pelizo
