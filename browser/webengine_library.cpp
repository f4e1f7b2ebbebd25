#include "browser/webengine_library.h"

#include "app/timings.h"
#include "browser/window_handles.h"
#include "ui/qt_text.h"

#include <QCoreApplication>
#include <QDir>
#include <QEvent>
#include <QKeySequence>
#include <QShortcut>
#include <QTimer>
#include <QWebEngineFullScreenRequest>
#include <QWebEngineHistory>
#include <QWebEngineNewWindowRequest>
#include <QWebEnginePage>
#include <QWebEngineProfile>
#include <QWebEngineScript>
#include <QWebEngineScriptCollection>
#include <QWebEngineSettings>
#include <QWebEngineView>
#include <cstring>
#include <unistd.h>

namespace pelizo::browser {
namespace {

// Every frame reports its name once its document is ready.
const char* const kFrameMarker = "pelizo-frame|";
const char* const kFrameScript = R"JS(
(function () {
  try { console.log('pelizo-frame|' + (window === window.top ? '1' : '0') + '|' + window.name); } catch (e) {}
})();
)JS";

std::string textOf(const std::vector<Arg>& args, size_t index)
{
    if (index >= args.size())
        return {};
    const auto* text = std::get_if<std::string>(&args[index]);
    return text ? *text : std::string();
}

std::int64_t integerOf(const std::vector<Arg>& args, size_t index)
{
    if (index >= args.size())
        return 0;
    const auto* value = std::get_if<std::int64_t>(&args[index]);
    return value ? *value : 0;
}

Wrapper* wrapperOf(const std::vector<Arg>& args, size_t index)
{
    if (index >= args.size())
        return nullptr;
    const auto* wrapper = std::get_if<Wrapper*>(&args[index]);
    return wrapper ? *wrapper : nullptr;
}

QUrl urlOf(const std::string& gbkAddress) { return QUrl::fromUserInput(toQt(gbkAddress)); }

// Chromium switches from the command line the handler filled, as the
// engine reads them from its environment.
QByteArray switchText(const std::vector<std::pair<std::string, std::string>>& switches)
{
    QByteArray text;
    for (const auto& [name, value] : switches) {
        std::string clean = name;
        while (!clean.empty() && clean.front() == '-')
            clean.erase(0, 1);
        if (clean.empty())
            continue;
        text += " --" + QByteArray::fromStdString(clean);
        if (!value.empty())
            text += "=" + QByteArray::fromStdString(value);
    }
    return text;
}

} // namespace

// One browser's page: reports frames and pop-up requests to the library and
// plays full screen inside its window.
class EnginePage : public QWebEnginePage {
public:
    EnginePage(QWebEngineProfile* profile, WebEngineLibrary* library, std::int64_t browser, QObject* parent)
        : QWebEnginePage(profile, parent), library_(library), browser_(browser)
    {
        connect(this, &QWebEnginePage::newWindowRequested, this, [this](QWebEngineNewWindowRequest& request) {
            // Not opened here: the handler decides, and shows the target in this browser.
            library_->newWindowRequested(browser_, fromQt(request.requestedUrl().toString()));
        });
        connect(this, &QWebEnginePage::fullScreenRequested, this, &EnginePage::onFullScreen);
    }

protected:
    void javaScriptConsoleMessage(JavaScriptConsoleMessageLevel, const QString& message, int, const QString&) override
    {
        if (!message.startsWith(QLatin1String(kFrameMarker)))
            return;
        const QString rest = message.mid(static_cast<int>(std::strlen(kFrameMarker)));
        library_->frameLoaded(browser_, fromQt(rest.mid(2)), rest.startsWith('1'));
    }

private:
    void onFullScreen(QWebEngineFullScreenRequest request)
    {
        auto* view = qobject_cast<QWebEngineView*>(QWebEngineView::forPage(this));
        QWidget* window = view ? view->window() : nullptr;
        if (!window) {
            request.reject();
            return;
        }
        request.accept();
        if (request.toggleOn()) {
            normalGeometry_ = view->geometry();
            wasMaximised_ = window->isMaximized();
            fullScreenView_ = view;
            window->installEventFilter(this);
            window->showFullScreen();
            view->setGeometry(window->rect());
            view->raise();
            if (!escape_) {
                escape_ = new QShortcut(QKeySequence(Qt::Key_Escape), window);
                connect(escape_, &QShortcut::activated, this, [this] { triggerAction(QWebEnginePage::ExitFullScreen); });
            }
            escape_->setEnabled(true);
        } else {
            if (escape_)
                escape_->setEnabled(false);
            fullScreenView_ = nullptr;
            window->removeEventFilter(this);
            wasMaximised_ ? window->showMaximized() : window->showNormal();
            view->setGeometry(normalGeometry_);
        }
    }

    // While full screen, the video covers the whole window, whatever size
    // the window takes.
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Resize && fullScreenView_ && watched == fullScreenView_->window())
            fullScreenView_->setGeometry(fullScreenView_->window()->rect());
        return QWebEnginePage::eventFilter(watched, event);
    }

    WebEngineLibrary* library_;
    std::int64_t browser_;
    QRect normalGeometry_;
    bool wasMaximised_ = false;
    QPointer<QShortcut> escape_;
    QPointer<QWidget> fullScreenView_;
};

WebEngineLibrary::WebEngineLibrary() = default;
WebEngineLibrary::~WebEngineLibrary() = default;

void WebEngineLibrary::raiseLater(std::function<void()> event)
{
    // Events reach the handler from the event loop, never from inside the
    // engine's own notification.
    QTimer::singleShot(0, &context_, std::move(event));
}

void WebEngineLibrary::openInstaller()
{
    if (!QCoreApplication::instance())
        QCoreApplication::setAttribute(Qt::AA_ShareOpenGLContexts);
    // Chromium's sandbox cannot start for the root user; everyone else keeps it.
    if (::geteuid() == 0)
        qputenv("QTWEBENGINE_DISABLE_SANDBOX", "1");
}

void WebEngineLibrary::startEngine(const BrowserSettings& settings)
{
    const std::int64_t handle = nextHandle_++;
    commandLines_[handle];
    if (handler_) {
        BrowserCommandLine commandLine;
        commandLine.setHandle(handle);
        handler_->raise(1, {static_cast<Wrapper*>(&commandLine)});
    }
    QByteArray flags = qgetenv("QTWEBENGINE_CHROMIUM_FLAGS") + switchText(commandLines_[handle]);
    if (!settings.locale.empty())
        flags += " --lang=" + QByteArray::fromStdString(settings.locale);
    qputenv("QTWEBENGINE_CHROMIUM_FLAGS", flags.trimmed());
    engineStarted_ = true;
}

void WebEngineLibrary::basisInterface(const BrowserSettings& settings, BrowserEventHandler* handler)
{
    handler_ = handler;
    if (!engineStarted_)
        startEngine(settings);
    if (profile_)
        return;
    const QString folder = toQt(settings.profileFolder);
    profile_ = folder.isEmpty() ? new QWebEngineProfile(QCoreApplication::instance())
                                : new QWebEngineProfile(QStringLiteral("pelizo"), QCoreApplication::instance());
    if (!folder.isEmpty()) {
        QDir().mkpath(folder);
        profile_->setPersistentStoragePath(folder);
        profile_->setCachePath(folder + "/Cache");
    }
    if (!settings.acceptLanguages.empty())
        profile_->setHttpAcceptLanguage(toQt(settings.acceptLanguages));
    QWebEngineScript script;
    script.setName(QStringLiteral("pelizo-frame-names"));
    script.setSourceCode(QString::fromUtf8(kFrameScript));
    script.setInjectionPoint(QWebEngineScript::DocumentReady);
    script.setWorldId(QWebEngineScript::MainWorld);
    script.setRunsOnSubFrames(true);
    profile_->scripts()->insert(script);
    QWebEngineSettings* s = profile_->settings();
    s->setAttribute(QWebEngineSettings::JavascriptCanOpenWindows, true);
    s->setAttribute(QWebEngineSettings::FullScreenSupportEnabled, true);
    s->setAttribute(QWebEngineSettings::PlaybackRequiresUserGesture, false);
}

std::int64_t WebEngineLibrary::createBrowser(const std::string& address, int parentWindow, int left, int top, int width,
                                             int height)
{
    QWidget* parent = widgetOfHandle(parentWindow);
    if (!parent)
        return 0;
    if (!profile_)
        basisInterface(BrowserSettings{}, handler_);
    const std::int64_t handle = nextHandle_++;
    auto* view = new QWebEngineView(parent);
    auto* page = new EnginePage(profile_, this, handle, view);
    view->setPage(page);
    view->setGeometry(left, top, width, height);
    BrowserObject& object = browsers_[handle];
    object.view = view;
    object.windowHandle = windowHandleOf(view);
    QObject::connect(view, &QWebEngineView::loadStarted, view, [this, handle] { browsers_[handle].loading = true; });
    QObject::connect(view, &QWebEngineView::loadFinished, view, [this, handle](bool) {
        browsers_[handle].loading = false;
        reportSinceEpisodeChosen("parse page loaded");
    });
    view->show();
    view->load(urlOf(address));
    raiseLater([this, handle] {
        if (!handler_ || !viewOf(handle))
            return;
        Browser browser;
        browser.setHandle(handle);
        handler_->raise(10, {static_cast<Wrapper*>(&browser)});
    });
    return handle;
}

void WebEngineLibrary::newWindowRequested(std::int64_t browserHandle, const std::string& target)
{
    raiseLater([this, browserHandle, target] {
        if (!handler_ || !viewOf(browserHandle))
            return;
        Browser browser;
        browser.setHandle(browserHandle);
        handler_->raise(9, {static_cast<Wrapper*>(&browser), std::int64_t{0}, target, std::int64_t{0}, std::int64_t{0}});
    });
}

void WebEngineLibrary::frameLoaded(std::int64_t browserHandle, const std::string& name, bool isMain)
{
    const std::int64_t handle = frameHandle(browserHandle, name, isMain);
    raiseLater([this, handle] {
        const FrameObject* object = frameOf(handle);
        if (!handler_ || !object || !viewOf(object->browser))
            return;
        BrowserFrame frame;
        frame.setHandle(handle);
        handler_->raise(17, {std::int64_t{0}, static_cast<Wrapper*>(&frame), std::int64_t{0}});
    });
}

std::int64_t WebEngineLibrary::frameHandle(std::int64_t browser, const std::string& name, bool isMain)
{
    for (const auto& [handle, frame] : frames_)
        if (frame.browser == browser && frame.main == isMain && (isMain || frame.name == name))
            return handle;
    const std::int64_t handle = nextHandle_++;
    frames_[handle] = FrameObject{browser, name, isMain};
    return handle;
}

QWebEngineView* WebEngineLibrary::viewOf(std::int64_t browser) const
{
    const auto it = browsers_.find(browser);
    return it == browsers_.end() ? nullptr : it->second.view.data();
}

const WebEngineLibrary::FrameObject* WebEngineLibrary::frameOf(std::int64_t frame) const
{
    const auto it = frames_.find(frame);
    return it == frames_.end() ? nullptr : &it->second;
}

std::int64_t WebEngineLibrary::putText(const std::string& text, const Arg& buffer) const
{
    const auto* out = std::get_if<OutBuffer>(&buffer);
    if (out && out->data && out->size > 0) {
        const size_t n = std::min(text.size(), static_cast<size_t>(out->size));
        std::memcpy(out->data, text.data(), n);
        if (n < static_cast<size_t>(out->size))
            out->data[n] = '\0';
    }
    return static_cast<std::int64_t>(text.size());
}

CallResult WebEngineLibrary::call(std::string_view entry, const std::vector<Arg>& args)
{
    CallResult result;
    const std::int64_t first = integerOf(args, 0);
    QWebEngineView* view = viewOf(first);
    const FrameObject* frame = frameOf(first);
    QWebEngineView* frameView = frame ? viewOf(frame->browser) : nullptr;

    if (entry == "OpenInstaller") {
        openInstaller();
    } else if (entry == "elibVersion") {
        result.integer = 1;
    } else if (entry == "elibBasisInterface") {
        const auto* settings = args.size() > 1 ? std::get_if<const BrowserSettings*>(&args[1]) : nullptr;
        const auto* handler = args.size() > 2 ? std::get_if<BrowserEventHandler*>(&args[2]) : nullptr;
        if (settings && *settings)
            basisInterface(**settings, handler ? *handler : nullptr);
    } else if (entry == "elibCreateBrowser") {
        result.integer = createBrowser(textOf(args, 0), static_cast<int>(integerOf(args, 1)), static_cast<int>(integerOf(args, 4)),
                                       static_cast<int>(integerOf(args, 5)), static_cast<int>(integerOf(args, 6)),
                                       static_cast<int>(integerOf(args, 7)));
    } else if (entry == "elibGetBrowserObject") {
        for (const auto& [handle, object] : browsers_)
            if (object.windowHandle == first && object.view)
                if (Wrapper* wrapper = wrapperOf(args, 1))
                    wrapper->setHandle(handle);
    } else if (entry == "elibGetMainFrame" && view) {
        if (Wrapper* wrapper = wrapperOf(args, 1))
            wrapper->setHandle(frameHandle(first, "", true));
    } else if (entry == "elibGetFrame" && view) {
        for (const auto& [handle, object] : frames_)
            if (object.browser == first && object.name == textOf(args, 1))
                if (Wrapper* wrapper = wrapperOf(args, 2))
                    wrapper->setHandle(handle);
    } else if (entry == "elibGetFrameCount" && view) {
        for (const auto& [handle, object] : frames_)
            result.integer += object.browser == first ? 1 : 0;
    } else if (entry == "elibLoadURL" && frameView) {
        const QUrl url = urlOf(textOf(args, 1));
        if (frame->main)
            frameView->load(url);
        else
            frameView->page()->runJavaScript(QStringLiteral("try { window.frames[%1].location = %2; } catch (e) {}")
                                                 .arg(QString("'%1'").arg(toQt(frame->name).replace("'", "\\'")),
                                                      QString("'%1'").arg(url.toString(QUrl::FullyEncoded))));
    } else if (entry == "elibExecuteJavaScript" && frameView) {
        frameView->page()->runJavaScript(toQt(textOf(args, 1)));
    } else if (entry == "elibGetName" && frame) {
        result.integer = putText(frame->name, args.size() > 1 ? args[1] : Arg{});
    } else if (entry == "elibGetURL" && frameView) {
        result.integer = putText(fromQt(frameView->url().toString()), args.size() > 1 ? args[1] : Arg{});
    } else if (entry == "elibIsMain" && frame) {
        result.integer = frame->main ? 1 : 0;
    } else if (entry == "elibGoBack" && view) {
        view->back();
    } else if (entry == "elibCanGoBack" && view) {
        result.integer = view->history()->canGoBack() ? 1 : 0;
    } else if (entry == "elibGoForward" && view) {
        view->forward();
    } else if (entry == "elibCanGoForward" && view) {
        result.integer = view->history()->canGoForward() ? 1 : 0;
    } else if ((entry == "elibReload" || entry == "elibReloadIgnoreCache") && view) {
        view->page()->triggerAction(entry == "elibReload" ? QWebEnginePage::Reload : QWebEnginePage::ReloadAndBypassCache);
    } else if (entry == "elibStopLoad" && view) {
        view->stop();
    } else if (entry == "elibIsLoading" && view) {
        result.integer = browsers_[first].loading ? 1 : 0;
    } else if (entry == "elibHasDocument" && view) {
        result.integer = view->url().isEmpty() ? 0 : 1;
    } else if (entry == "elibGetWindowHandle" && view) {
        result.integer = browsers_[first].windowHandle;
    } else if (entry == "elibGetZoomLevel" && view) {
        result.real = view->zoomFactor();
    } else if (entry == "elibSetZoomLevel" && view && args.size() > 1) {
        if (const auto* level = std::get_if<double>(&args[1]))
            view->setZoomFactor(*level);
    } else if (entry == "elibCloseBrowser" && view) {
        view->deleteLater();
    } else if (entry == "elibAddCmdAppendSwitchWithValue" || entry == "elibAddCmdAppendSwitch") {
        if (auto it = commandLines_.find(first); it != commandLines_.end())
            it->second.emplace_back(textOf(args, 1), textOf(args, 2));
    } else if (entry == "elibHasCmdSwitch" || entry == "elibGetCmdSwitchValue") {
        if (auto it = commandLines_.find(first); it != commandLines_.end())
            for (const auto& [name, value] : it->second)
                if (name == textOf(args, 1))
                    result.integer = entry == "elibHasCmdSwitch" ? 1 : putText(value, args.size() > 2 ? args[2] : Arg{});
    } else if (entry == "elibHasCmdSwitchs") {
        if (auto it = commandLines_.find(first); it != commandLines_.end())
            result.integer = it->second.empty() ? 0 : 1;
    } else if (entry == "elibGetCmdString") {
        if (auto it = commandLines_.find(first); it != commandLines_.end())
            result.integer = putText(switchText(it->second).trimmed().toStdString(), args.size() > 1 ? args[1] : Arg{});
    }
    // elibNewClass, elibAddRef, elibRelease: the library's objects live as
    // long as their browser, so references need no counting. Anything else
    // this library does not offer answers 0.
    return result;
}

} // namespace pelizo::browser
