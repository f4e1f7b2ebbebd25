#include "ui/controls.h"

#include <QLabel>
#include <QPushButton>

namespace pelizo {

QLabel* transparentLabel(QWidget* parent, const char* name, const QRect& place, const QString& text)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(QString::fromUtf8(name));
    label->setGeometry(place);
    label->setAttribute(Qt::WA_TranslucentBackground);
    return label;
}

QPushButton* pushButton(QWidget* parent, const char* name, const QRect& place, const QString& text)
{
    auto* button = new QPushButton(text, parent);
    button->setObjectName(QString::fromUtf8(name));
    button->setGeometry(place);
    return button;
}

} // namespace pelizo
