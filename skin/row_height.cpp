#include "skin/row_height.h"

#include <QAbstractItemView>
#include <QStyledItemDelegate>
#include <QTreeView>

namespace pelizo {
namespace {

// Lives on the top-level window for as long as it exists: its mark that the
// window answers row measurements.
class RowHeightHook : public QObject {
public:
    explicit RowHeightHook(QWidget* window) : QObject(window) { setObjectName("rowHeightHook"); }
};

// Draws like the standard delegate; only the measurement goes through the
// window's answer.
class MeasuredRowDelegate : public QStyledItemDelegate {
public:
    explicit MeasuredRowDelegate(QAbstractItemView* list) : QStyledItemDelegate(list), list_(list) {}

    QSize sizeHint(const QStyleOptionViewItem& option, const QModelIndex& index) const override
    {
        QSize size = QStyledItemDelegate::sizeHint(option, index);
        size.setHeight(rowHeightWindowProc(list_->window(), size.height()));
        return size;
    }

private:
    QAbstractItemView* list_;
};

} // namespace

std::vector<SubclassEntry>& subclassTable()
{
    static std::vector<SubclassEntry> table;
    return table;
}

int& listRowHeight()
{
    static int height = 0;
    return height;
}

int findSubclassed(const QWidget* window)
{
    auto& table = subclassTable();
    for (size_t i = 0; i < table.size(); ++i)
        if (table[i].window == window)
            return static_cast<int>(i) + 1;
    return 0;
}

int rowHeightWindowProc(const QWidget* window, int proposedHeight)
{
    return findSubclassed(window) ? listRowHeight() : proposedHeight;
}

void setListRowHeight(QAbstractItemView* list, int height)
{
    if (!list)
        return;
    QWidget* window = list->window();
    if (!findSubclassed(window))
        subclassTable().push_back({window, new RowHeightHook(window)});
    listRowHeight() = height;
    if (!dynamic_cast<MeasuredRowDelegate*>(list->itemDelegate()))
        list->setItemDelegate(new MeasuredRowDelegate(list));
    if (auto* tree = qobject_cast<QTreeView*>(list))
        tree->setUniformRowHeights(true);
    list->doItemsLayout(); // measure again now
    list->viewport()->update();
}

} // namespace pelizo
