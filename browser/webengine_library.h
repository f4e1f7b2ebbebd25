// The browser library over Qt WebEngine: browsers as child views of a
// window, their main frame and named frames, the engine's command line, and
// the events the binding's handler receives.
#pragma once

#include "browser/binding.h"
#include "browser/library_interface.h"

#include <QObject>
#include <QPointer>
#include <map>
#include <utility>
#include <vector>

class QWebEngineProfile;
class QWebEngineView;

namespace pelizo::browser {

class EnginePage;

class WebEngineLibrary : public BrowserLibrary {
public:
    WebEngineLibrary();
    ~WebEngineLibrary() override;

    CallResult call(std::string_view entryPoint, const std::vector<Arg>& args) override;

    // Called by the pages.
    void frameLoaded(std::int64_t browser, const std::string& name, bool isMain);
    void newWindowRequested(std::int64_t browser, const std::string& target);

private:
    struct BrowserObject {
        QPointer<QWebEngineView> view;
        int windowHandle = 0;
        bool loading = false;
    };
    struct FrameObject {
        std::int64_t browser = 0;
        std::string name;
        bool main = false;
    };

    void openInstaller();
    void basisInterface(const BrowserSettings& settings, BrowserEventHandler* handler);
    void startEngine(const BrowserSettings& settings);
    std::int64_t createBrowser(const std::string& address, int parentWindow, int left, int top, int width, int height);
    std::int64_t frameHandle(std::int64_t browser, const std::string& name, bool isMain);
    QWebEngineView* viewOf(std::int64_t browser) const;
    const FrameObject* frameOf(std::int64_t frame) const;
    std::int64_t putText(const std::string& text, const Arg& buffer) const;
    void raiseLater(std::function<void()> event);

    std::int64_t nextHandle_ = 1;
    std::map<std::int64_t, BrowserObject> browsers_;
    std::map<std::int64_t, FrameObject> frames_;
    std::map<std::int64_t, std::vector<std::pair<std::string, std::string>>> commandLines_;
    BrowserEventHandler* handler_ = nullptr;
    bool engineStarted_ = false;
    QPointer<QWebEngineProfile> profile_;
    QObject context_; // owns queued event deliveries
};

} // namespace pelizo::browser
