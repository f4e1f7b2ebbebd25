#include "browser/binding.h"

#include "browser/registry.h"

#include <unistd.h>

namespace pelizo::browser {
namespace {

template <typename T>
T* argAs(const std::vector<Arg>& args, size_t index)
{
    if (index >= args.size())
        return nullptr;
    const auto* wrapper = std::get_if<Wrapper*>(&args[index]);
    return wrapper ? dynamic_cast<T*>(*wrapper) : nullptr;
}

std::string textArg(const std::vector<Arg>& args, size_t index)
{
    if (index >= args.size())
        return {};
    const auto* text = std::get_if<std::string>(&args[index]);
    return text ? *text : std::string();
}

} // namespace

std::int64_t BrowserEventHandler::raise(int position, const std::vector<Arg>& args)
{
    switch (position) {
    case 1:
        if (auto* commandLine = argAs<BrowserCommandLine>(args, 0))
            onCommandLine(*commandLine);
        return 0;
    case 9:
        if (auto* browser = argAs<Browser>(args, 0); browser && routines_.onNewWindow)
            return routines_.onNewWindow(*browser, textArg(args, 2));
        return 1;
    case 10:
        if (auto* browser = argAs<Browser>(args, 0); browser && routines_.onBrowserCreated)
            routines_.onBrowserCreated(*browser);
        return 0;
    case 17:
        if (auto* frame = argAs<BrowserFrame>(args, 1); frame && routines_.onFrameEvent)
            return routines_.onFrameEvent(*frame);
        return 0;
    default:
        return 0; // events the system leaves alone
    }
}

void BrowserEventHandler::onCommandLine(BrowserCommandLine& commandLine)
{
    const std::string version = readMachineRegistryText("SOFTWARE\\Macromedia\\FlashPlayerPepper\\Version");
    if (!version.empty()) {
        commandLine.AddCmdAppendSwitchWithValue("ppapi-flash-version", version);
        commandLine.AddCmdAppendSwitchWithValue("ppapi-flash-path",
                                                readMachineRegistryText("SOFTWARE\\Macromedia\\FlashPlayerPepper\\PlayerPath"));
    }
    commandLine.AddCmdAppendSwitchWithValue("--touch-events", "enabled");
}

BrowserEventHandler& browserEvents()
{
    static BrowserEventHandler handler;
    return handler;
}

bool& libraryOpened()
{
    static bool opened = false;
    return opened;
}

std::string runDirectory()
{
    char path[4096];
    const ssize_t n = ::readlink("/proc/self/exe", path, sizeof path - 1);
    if (n <= 0)
        return ".";
    std::string exe(path, static_cast<size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

void openBrowserLibrary()
{
    browserLibrary().call("OpenInstaller", {runDirectory() + "/Cef3-Library", std::string("libtransfer.dll")});
}

void startBrowserBinding()
{
    openBrowserLibrary();
    libraryOpened() = true;
    announceWrapperClasses();
}

void announceWrapperClasses()
{
    BrowserCommandLine commandLine;
    Browser browser;
    BrowserFrame frame;
    BrowserRequest request;
    ScriptEvaluator evaluator;
    for (const Wrapper* w : std::initializer_list<const Wrapper*>{&commandLine, &browser, &frame, &request, &evaluator})
        (void)w->IsNull();
}

void initialiseBrowserLibrary(const BrowserSettings& settings, BrowserEventHandler& handler)
{
    const std::int64_t version = browserLibrary().call("elibVersion", {}).integer;
    browserLibrary().call("elibBasisInterface", {version, &settings, &handler, std::int64_t{0}});
}

void createBrowser(const std::string& address, int parentWindow, int left, int top, int width, int height)
{
    browserLibrary().call("elibCreateBrowser",
                          {address, std::int64_t{parentWindow}, std::int64_t{0}, std::int64_t{0}, std::int64_t{left},
                           std::int64_t{top}, std::int64_t{width}, std::int64_t{height}});
}

Browser browserFromWindow(int windowHandle)
{
    Browser fresh;
    browserLibrary().call("elibGetBrowserObject", {std::int64_t{windowHandle}, static_cast<Wrapper*>(&fresh)});
    return Browser(fresh);
}

} // namespace pelizo::browser
