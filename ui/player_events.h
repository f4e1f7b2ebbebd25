// The player's answers to the browser's events: the browser created, a page
// asking for a new window, and a frame loading (the one fallback to the
// built-in parse service).
#pragma once

#include "browser/wrappers.h"

#include <string>

namespace pelizo {

void onBrowserCreated(browser::Browser& browser);
int onNewWindow(browser::Browser& browser, const std::string& target);
int onFrameEvent(browser::BrowserFrame& frame);

// Hands these routines to the binding's event handler.
void installPlayerRoutines();

} // namespace pelizo
