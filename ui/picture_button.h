// A button drawn from three pictures: normal, hot (under the mouse) and
// pressed.
#pragma once

#include <QAbstractButton>
#include <QPixmap>

namespace pelizo {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    explicit PictureButton(QWidget* parent = nullptr);

    void setPictures(const QPixmap& normal, const QPixmap& hot, const QPixmap& pressed);
    void setNormalPicture(const QPixmap& picture);
    void setHotPicture(const QPixmap& picture);
    QPixmap normalPicture() const { return normal_; }
    QPixmap hotPicture() const { return hot_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void enterEvent(QEnterEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    QPixmap normal_, hot_, pressed_;
};

} // namespace pelizo
