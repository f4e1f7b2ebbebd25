#include "browser/window_handles.h"

#include <QPointer>
#include <QWidget>
#include <map>

namespace pelizo::browser {
namespace {

std::map<int, QPointer<QWidget>>& handles()
{
    static std::map<int, QPointer<QWidget>> map;
    return map;
}

} // namespace

int windowHandleOf(QWidget* widget)
{
    if (!widget)
        return 0;
    const QVariant known = widget->property("pelizoWindowHandle");
    if (known.isValid())
        return known.toInt();
    static int next = 0x1000;
    const int handle = ++next;
    widget->setProperty("pelizoWindowHandle", handle);
    handles()[handle] = widget;
    return handle;
}

QWidget* widgetOfHandle(int handle)
{
    const auto it = handles().find(handle);
    return it == handles().end() ? nullptr : it->second.data();
}

} // namespace pelizo::browser
