#include "ui/platform.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QUrl>

namespace pelizo {
namespace {

PlatformHooks defaultHooks()
{
    PlatformHooks hooks;
    hooks.showMessage = [](const MessageRecord& m) {
        QMessageBox box(m.icon, m.title, m.text, QMessageBox::Ok, m.owner);
        box.exec();
    };
    hooks.openUrl = [](const QString& url) { QDesktopServices::openUrl(QUrl(url)); };
    hooks.exitApplication = [](int code) { QCoreApplication::exit(code); };
    return hooks;
}

} // namespace

PlatformHooks& platformHooks()
{
    static PlatformHooks hooks = defaultHooks();
    return hooks;
}

void restoreDefaultPlatformHooks() { platformHooks() = defaultHooks(); }

void showMessage(QWidget* owner, const QString& text, const QString& title, QMessageBox::Icon icon)
{
    platformHooks().showMessage({owner, text, title, icon});
}

void openInBrowser(const QString& url) { platformHooks().openUrl(url); }

void endProgram(int code) { platformHooks().exitApplication(code); }

} // namespace pelizo
