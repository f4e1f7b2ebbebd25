// A picture box: shows an image decoded from bytes, stretched to its size,
// carries a tag and reports double-clicks.
#pragma once

#include <QLabel>
#include <QPixmap>
#include <string>

namespace pelizo {

class PictureBox : public QLabel {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    // Decodes and shows the image; bytes that are no image leave the box
    // without a picture.
    void setImageBytes(const std::string& bytes);
    void setPicture(const QPixmap& picture);
    QPixmap picture() const { return picture_; }
    bool hasPicture() const { return !picture_.isNull(); }

    int tag() const { return property("tag").toInt(); }
    void setTag(int tag) { setProperty("tag", tag); }

    // A sibling with the same place, size and look; the owner connects the
    // template's handlers to it.
    PictureBox* copy() const;

signals:
    void doubleClicked(PictureBox* box);

protected:
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    void showScaled();
    QPixmap picture_;
};

} // namespace pelizo
