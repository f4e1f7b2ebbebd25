// Process entry: global state, exit routine, the start-up steps, MainWindow
// and the event loop. The application takes nothing on its command line.
#include "app/app_state.h"
#include "app/timings.h"
#include "browser/binding.h"
#include "browser/webengine_library.h"
#include "ui/player_events.h"
#include "ui/main_window.h"
#include "ui/ui_thread.h"

#include <QApplication>
#include <QPointer>

namespace {

// Runs when main() is left by any path.
struct ExitRoutine {
    ~ExitRoutine() { pelizo::releaseGlobalState(); }
};

} // namespace

int main(int argc, char** argv)
{
    pelizo::markProcessStart();
    pelizo::createGlobalState();
    const ExitRoutine exitRoutine;
    // The skin engine's step comes here once it exists.
    pelizo::browser::installBrowserLibrary(std::make_unique<pelizo::browser::WebEngineLibrary>());
    pelizo::browser::startBrowserBinding();
    pelizo::installPlayerRoutines();

    QApplication app(argc, argv);
    QApplication::setApplicationName("pelizo");
    QApplication::setApplicationDisplayName(QStringLiteral("全网Pelizo"));
    // The main window is hidden while other windows stand alone; the program
    // ends only where it says so.
    app.setQuitOnLastWindowClosed(false);
    pelizo::installMessagePump();

    pelizo::MainWindow window;
    window.show();
    if (!window.runCreatedHandler())
        return 0;
    const int code = app.exec();
    // Windows still open (a player, the update window) go before the
    // browser engine's profile, which the application object owns.
    QList<QPointer<QWidget>> others;
    for (QWidget* top : QApplication::topLevelWidgets())
        if (top != &window && !top->parentWidget())
            others.append(top);
    for (const QPointer<QWidget>& top : others)
        delete top.data();
    return code;
}
