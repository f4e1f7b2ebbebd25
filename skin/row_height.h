// Fixed row height for a list view: the list asks its top-level window how
// high a row is (the item delegate's size hint), and a per-window hook
// installed once answers with the height set last.
#pragma once

#include <QPointer>
#include <QWidget>
#include <vector>

class QAbstractItemView;

namespace pelizo {

struct SubclassEntry {
    QPointer<QWidget> window;
    QObject* previousProc = nullptr; // the hook installed on it
};

std::vector<SubclassEntry>& subclassTable();
int& listRowHeight();

// 1-based position of the window's entry, 0 when it has none.
int findSubclassed(const QWidget* window);

// Makes the list's rows `height` pixels high; they stay so as rows are added.
void setListRowHeight(QAbstractItemView* list, int height);

// The answer a subclassed window gives when one of its lists measures a row.
int rowHeightWindowProc(const QWidget* window, int proposedHeight);

} // namespace pelizo
