// The binding to the browser library: opening it, its settings record, the
// event handler, and the three operations the player uses.
#pragma once

#include "browser/wrappers.h"

#include <functional>
#include <string>

namespace pelizo::browser {

struct BrowserSettings {
    std::string profileFolder;
    std::string field2;
    std::string field3;
    std::string locale;
    std::int32_t field5 = 0;
    std::string acceptLanguages;
    std::string field7;
};

// The one event handler the library reports to. Events are raised by their
// position (1 to 23); the answer goes back to the library.
class BrowserEventHandler {
public:
    // The player's routines behind events 9, 10 and 17.
    struct PlayerRoutines {
        std::function<int(Browser& browser, const std::string& target)> onNewWindow;
        std::function<void(Browser& browser)> onBrowserCreated;
        std::function<int(BrowserFrame& frame)> onFrameEvent;
    };

    std::int64_t raise(int position, const std::vector<Arg>& args);

    // Event 1: the switches for the browser engine's command line.
    void onCommandLine(BrowserCommandLine& commandLine);

    void setPlayerRoutines(PlayerRoutines routines) { routines_ = std::move(routines); }

private:
    PlayerRoutines routines_;
};

BrowserEventHandler& browserEvents();
bool& libraryOpened();

// The folder the program runs from.
std::string runDirectory();

void startBrowserBinding();
void openBrowserLibrary();
void announceWrapperClasses();
void initialiseBrowserLibrary(const BrowserSettings& settings, BrowserEventHandler& handler);
void createBrowser(const std::string& address, int parentWindow, int left, int top, int width, int height);
Browser browserFromWindow(int windowHandle);

} // namespace pelizo::browser
