// Window handles for widgets: small numbers that name a window to the
// browser library, as native handles do on other systems.
#pragma once

class QWidget;

namespace pelizo::browser {

// The handle of a widget, made on first use; 0 for no widget.
int windowHandleOf(QWidget* widget);
// The widget behind a handle, or nullptr once it is gone.
QWidget* widgetOfHandle(int handle);

} // namespace pelizo::browser
