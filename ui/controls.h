// Small factories for the kinds of control the window designs use.
#pragma once

#include <QRect>
#include <QString>

class QLabel;
class QPushButton;
class QWidget;

namespace pelizo {

// A label without background, named as in the design.
QLabel* transparentLabel(QWidget* parent, const char* name, const QRect& place, const QString& text);

QPushButton* pushButton(QWidget* parent, const char* name, const QRect& place, const QString& text);

} // namespace pelizo
