// What every GUI test needs: the demo site on loopback with the settings
// pointing at it, fresh global state, and the platform hooks recording
// messages, opened addresses and the end of the program.
#pragma once

#include "app/app_state.h"
#include "demo/demo_site.h"
#include "ui/platform.h"
#include "ui/qt_text.h"
#include "ui/ui_thread.h"

#include <QApplication>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <vector>

namespace pelizo::testing {

struct GuiFixture {
    explicit GuiFixture(demo::DemoOptions options = {})
        : site(std::make_unique<demo::DemoSite>(std::move(options)))
    {
        site->start();
        setenv("PELIZO_FILM_HOST", site->host("dianying").c_str(), 1);
        setenv("PELIZO_SERIES_HOST", site->host("tv").c_str(), 1);
        setenv("PELIZO_SEARCH_HOST", site->host("so").c_str(), 1);
        setenv("PELIZO_CONFIG_URL", ("http://" + site->host("app") + "/rz1.txt").c_str(), 1);
        setenv("PELIZO_DOWNLOAD_URL", ("http://" + site->host("app") + "/download.html").c_str(), 1);
        createGlobalState();
        installMessagePump();
        platformHooks().showMessage = [this](const MessageRecord& m) { messages.push_back(m); };
        platformHooks().openUrl = [this](const QString& url) { openedUrls.push_back(url); };
        platformHooks().exitApplication = [this](int code) { exitCodes.push_back(code); };
    }

    ~GuiFixture()
    {
        settle();
        restoreDefaultPlatformHooks();
        releaseGlobalState();
    }

    // Lets every worker finish and every result it posted reach the windows.
    static void settle()
    {
        waitForWorkers();
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    QString lastMessage() const { return messages.empty() ? QString() : messages.back().text; }

    std::unique_ptr<demo::DemoSite> site;
    std::vector<MessageRecord> messages;
    std::vector<QString> openedUrls;
    std::vector<int> exitCodes;
};

} // namespace pelizo::testing
