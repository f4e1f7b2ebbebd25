// Small factories for the kinds of control the window designs use.
#pragma once

#include <QRect>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <vector>

class QLabel;
class QPushButton;
class QTreeWidget;

namespace pelizo {

// A label without background, named as in the design.
QLabel* transparentLabel(QWidget* parent, const char* name, const QRect& place, const QString& text);

QPushButton* pushButton(QWidget* parent, const char* name, const QRect& place, const QString& text);

// Any control, named as in the design and put at its place.
template <typename Widget>
Widget* placed(QWidget* parent, const char* name, const QRect& place)
{
    auto* widget = new Widget(parent);
    widget->setObjectName(QString::fromUtf8(name));
    widget->setGeometry(place);
    return widget;
}

// A report-style list: one column per width (0 wide columns carry data
// unseen), with these headers, or none when `headers` is empty.
QTreeWidget* reportList(QWidget* parent, const char* name, const QRect& place, const QStringList& headers,
                        const std::vector<int>& widths);

} // namespace pelizo
