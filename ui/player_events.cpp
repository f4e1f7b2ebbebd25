#include "ui/player_events.h"

#include "app/app_state.h"
#include "app/settings.h"
#include "browser/binding.h"

namespace pelizo {

void onBrowserCreated(browser::Browser& browser) { appState().browserWindowHandle = browser.GetWindowHandle(); }

int onNewWindow(browser::Browser& browser, const std::string& target)
{
    AppState& state = appState();
    state.browserWindowHandle = browser.GetWindowHandle();
    {
        std::lock_guard lock(state.lastPopupMutex);
        state.lastPopupAddress = target;
    }
    const browser::Browser live = browser::browserFromWindow(state.browserWindowHandle);
    const browser::BrowserFrame main = live.GetMainFrame();
    main.LoadURL(target);
    return 1; // no second window: the pop-up shows in the player's own browser
}

int onFrameEvent(browser::BrowserFrame& frame)
{
    AppState& state = appState();
    const std::string name = frame.GetName();
    if (name.find("&__dfp=") == std::string::npos || state.fallbackUsed)
        return 0;
    browser::browserFromWindow(state.browserWindowHandle).GoBack();
    std::string popup;
    {
        std::lock_guard lock(state.lastPopupMutex);
        popup = state.lastPopupAddress;
    }
    const browser::Browser live = browser::browserFromWindow(state.browserWindowHandle);
    const browser::BrowserFrame main = live.GetMainFrame();
    main.LoadURL(currentSettings().parsePrefix + popup);
    state.fallbackUsed = true;
    return 1;
}

void installPlayerRoutines()
{
    browser::browserEvents().setPlayerRoutines({onNewWindow, onBrowserCreated, onFrameEvent});
}

} // namespace pelizo
