#include "ui/controls.h"

#include <QLabel>
#include <QHeaderView>
#include <QPushButton>
#include <QTreeWidget>

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

QTreeWidget* reportList(QWidget* parent, const char* name, const QRect& place, const QStringList& headers,
                        const std::vector<int>& widths)
{
    auto* list = placed<QTreeWidget>(parent, name, place);
    list->setRootIsDecorated(false);
    list->setColumnCount(static_cast<int>(widths.size()));
    if (headers.isEmpty())
        list->setHeaderHidden(true);
    else
        list->setHeaderLabels(headers);
    list->header()->setMinimumSectionSize(0);
    list->header()->setStretchLastSection(false);
    for (size_t c = 0; c < widths.size(); ++c)
        list->setColumnWidth(static_cast<int>(c), widths[c]);
    return list;
}

} // namespace pelizo
