#include "browser/wrappers.h"

#include "browser/binding.h"

namespace pelizo::browser {

Wrapper::Wrapper(int classId) : classId_(classId)
{
    if (!libraryOpened()) {
        openBrowserLibrary();
        libraryOpened() = true;
    }
    handle_ = 0;
    browserLibrary().call("elibNewClass", {this, std::int64_t{classId_}});
}

Wrapper::Wrapper(const Wrapper& other) : handle_(other.handle_), classId_(other.classId_) {}

Wrapper::~Wrapper()
{
    if (handle_ != 0)
        browserLibrary().call("elibRelease", {handle_, std::int64_t{classId_}});
}

void Wrapper::AddRef(std::int64_t)
{
    if (handle_ != 0)
        browserLibrary().call("elibAddRef", {handle_, std::int64_t{classId_}});
}

CallResult Wrapper::callWithHandle(std::string_view entryPoint, std::vector<Arg> args) const
{
    if (handle_ == 0)
        return {};
    args.insert(args.begin(), handle_);
    return browserLibrary().call(entryPoint, args);
}

std::string Wrapper::getText(std::string_view entryPoint, std::vector<Arg> argsBeforeBuffer) const
{
    if (handle_ == 0)
        return {};
    std::vector<Arg> sizing = argsBeforeBuffer;
    sizing.push_back(OutBuffer{});
    sizing.push_back(std::int64_t{0});
    const std::int64_t needed = callWithHandle(entryPoint, sizing).integer;
    if (needed < 1)
        return {};
    std::string buffer(static_cast<size_t>(needed) + 1, ' ');
    buffer.back() = '\0';
    argsBeforeBuffer.push_back(OutBuffer{buffer.data(), static_cast<int>(needed)});
    argsBeforeBuffer.push_back(needed);
    callWithHandle(entryPoint, argsBeforeBuffer);
    return buffer.substr(0, buffer.find('\0'));
}

// -- BrowserCommandLine ----------------------------------------------------------

std::string BrowserCommandLine::GetCmdString() const { return getText("elibGetCmdString"); }
int BrowserCommandLine::HasCmdSwitchs() const { return static_cast<int>(callWithHandle("elibHasCmdSwitchs").integer); }
int BrowserCommandLine::HasCmdSwitch(const std::string& name) const
{
    return static_cast<int>(callWithHandle("elibHasCmdSwitch", {name}).integer);
}
std::string BrowserCommandLine::GetCmdSwitchValue(const std::string& name) const
{
    return getText("elibGetCmdSwitchValue", {name});
}
void BrowserCommandLine::AddCmdAppendSwitch(const std::string& name) const { callWithHandle("elibAddCmdAppendSwitch", {name}); }
void BrowserCommandLine::AddCmdAppendSwitchWithValue(const std::string& name, const std::string& value) const
{
    callWithHandle("elibAddCmdAppendSwitchWithValue", {name, value});
}

// -- Browser ---------------------------------------------------------------------

int Browser::CanGoBack() const { return static_cast<int>(callWithHandle("elibCanGoBack").integer); }
void Browser::GoBack() const { callWithHandle("elibGoBack"); }
int Browser::CanGoForward() const { return static_cast<int>(callWithHandle("elibCanGoForward").integer); }
void Browser::GoForward() const { callWithHandle("elibGoForward"); }
int Browser::IsLoading() const { return static_cast<int>(callWithHandle("elibIsLoading").integer); }
void Browser::Reload() const { callWithHandle("elibReload"); }
void Browser::ReloadIgnoreCache() const { callWithHandle("elibReloadIgnoreCache"); }
void Browser::StopLoad() const { callWithHandle("elibStopLoad"); }
int Browser::HasDocument() const { return static_cast<int>(callWithHandle("elibHasDocument").integer); }
BrowserFrame Browser::GetMainFrame() const { return getObject<BrowserFrame>("elibGetMainFrame"); }
BrowserFrame Browser::GetFrame(const std::string& name) const { return getObject<BrowserFrame>("elibGetFrame", {name}); }
BrowserFrame Browser::GetFrameIndex(int index) const
{
    return getObject<BrowserFrame>("elibGetFrameIndex", {std::int64_t{index}});
}
int Browser::GetFrameCount() const { return static_cast<int>(callWithHandle("elibGetFrameCount").integer); }
void Browser::CloseBrowser() const { callWithHandle("elibCloseBrowser"); }
int Browser::GetWindowHandle() const { return static_cast<int>(callWithHandle("elibGetWindowHandle").integer); }
double Browser::GetZoomLevel() const { return callWithHandle("elibGetZoomLevel").real; }
void Browser::SetZoomLevel(double level) const { callWithHandle("elibSetZoomLevel", {level}); }
void Browser::Print() const { callWithHandle("elibPrint"); }
void Browser::MoveTo(int x, int y) const { callWithHandle("elibMoveTo", {std::int64_t{x}, std::int64_t{y}}); }
void Browser::LeftClick(int x, int y, int flags) const
{
    callWithHandle("elibLeftClick", {std::int64_t{x}, std::int64_t{y}, std::int64_t{flags}});
}
void Browser::RightClick(int x, int y, int flags) const
{
    callWithHandle("elibRightClick", {std::int64_t{x}, std::int64_t{y}, std::int64_t{flags}});
}
void Browser::LeftDown(int x, int y) const { callWithHandle("elibLeftDown", {std::int64_t{x}, std::int64_t{y}}); }
void Browser::LeftUp(int x, int y) const { callWithHandle("elibLeftUp", {std::int64_t{x}, std::int64_t{y}}); }
void Browser::RightDown(int x, int y) const { callWithHandle("elibRightDown", {std::int64_t{x}, std::int64_t{y}}); }
void Browser::RightUp(int x, int y) const { callWithHandle("elibRightUp", {std::int64_t{x}, std::int64_t{y}}); }
void Browser::OpenDevTools(int x, int y) const { callWithHandle("elibOpenDevTools", {std::int64_t{x}, std::int64_t{y}}); }

// -- BrowserFrame ----------------------------------------------------------------

void BrowserFrame::ExecuteCmd(int command) const { callWithHandle("elibExecuteCmd", {std::int64_t{command}}); }
void BrowserFrame::ViewSource() const { callWithHandle("elibViewSource"); }
void BrowserFrame::GetSource(int a, int b) const { callWithHandle("elibGetSource", {std::int64_t{a}, std::int64_t{b}}); }
void BrowserFrame::GetText(int a, int b) const { callWithHandle("elibGetText", {std::int64_t{a}, std::int64_t{b}}); }
void BrowserFrame::LoadRequest(BrowserRequest& request) const
{
    callWithHandle("elibLoadRequest", {static_cast<Wrapper*>(&request)});
}
void BrowserFrame::LoadURL(const std::string& address) const { callWithHandle("elibLoadURL", {address}); }
void BrowserFrame::LoadString(const std::string& text, const std::string& address) const
{
    callWithHandle("elibLoadString", {text, address});
}
void BrowserFrame::ExecuteJavaScript(const std::string& script) const { callWithHandle("elibExecuteJavaScript", {script}); }
int BrowserFrame::IsMain() const { return static_cast<int>(callWithHandle("elibIsMain").integer); }
std::string BrowserFrame::GetName() const { return getText("elibGetName"); }
std::string BrowserFrame::GetURL() const { return getText("elibGetURL"); }
void BrowserFrame::ExecuteJavaScriptEx(const std::string& script, int a, int b, int c) const
{
    callWithHandle("elibExecuteJavaScriptEx", {script, std::int64_t{a}, std::int64_t{b}, std::int64_t{c}});
}

// -- BrowserRequest --------------------------------------------------------------

std::string BrowserRequest::GetRequestURL() const { return getText("elibGetRequestURL"); }
std::string BrowserRequest::GetRequestMethod() const { return getText("elibGetRequestMethod"); }
std::string BrowserRequest::GetRequestRefererUrl() const { return getText("elibGetRequestRefererUrl"); }
int BrowserRequest::GetRequestResourceType() const
{
    return static_cast<int>(callWithHandle("elibGetRequestResourceType").integer);
}
std::string BrowserRequest::GetRequestHeader() const { return getText("elibGetRequestHeader"); }
void BrowserRequest::SetRequestHeader(const std::string& name, const std::string& value) const
{
    callWithHandle("elibSetRequestHeader", {name, value});
}
std::string BrowserRequest::GetRequestPostData() const
{
    // The bytes getter: the same two calls as for a text, kept byte for byte.
    if (IsNull())
        return {};
    const std::int64_t needed = callWithHandle("elibGetRequestPostData", {OutBuffer{}, std::int64_t{0}}).integer;
    if (needed < 1)
        return {};
    std::string bytes(static_cast<size_t>(needed), '\0');
    callWithHandle("elibGetRequestPostData", {OutBuffer{bytes.data(), static_cast<int>(needed)}, needed});
    return bytes;
}
bool BrowserRequest::Create(const Arg& a, const Arg& b, const Arg& c, const Arg& d, const std::string& postData)
{
    if (handle() != 0)
        browserLibrary().call("elibRelease", {handle(), std::int64_t{kRequestClass}});
    const Arg post = postData.empty() ? Arg{} : Arg{InBytes{postData.data(), static_cast<int>(postData.size())}};
    setHandle(browserLibrary().call("elibCreateRequest", {a, b, c, d, post}).integer);
    return handle() != 0;
}
void BrowserRequest::SetRequestReferer(const std::string& referer) const { callWithHandle("elibSetRequestReferer", {referer}); }
void BrowserRequest::SetRequestAddress(const std::string& address) const { callWithHandle("elibSetRequestAddress", {address}); }
void BrowserRequest::SetRequestPostData(const std::string& bytes) const
{
    callWithHandle("elibSetRequestPostData", {InBytes{bytes.data(), static_cast<int>(bytes.size())}});
}

// -- ScriptEvaluator -------------------------------------------------------------

int ScriptEvaluator::ExecuteJavaScriptEx2(const std::string& script, int kind, ScriptResult& holder, std::int64_t) const
{
    if (IsNull())
        return 0;
    const std::int64_t r = callWithHandle("elibExecuteJavaScriptEx2", {script, std::int64_t{kind}}).integer;
    if (r == 0)
        return 0;
    if (kind == 0)
        holder.number = r;
    if (kind == 1) {
        const std::int64_t needed = browserLibrary().call("elibGetString", {r, OutBuffer{}, std::int64_t{0}}).integer;
        if (needed >= 1) {
            std::string buffer(static_cast<size_t>(needed) + 1, ' ');
            buffer.back() = '\0';
            browserLibrary().call("elibGetString", {r, OutBuffer{buffer.data(), static_cast<int>(needed)}, needed});
            holder.text = buffer.substr(0, buffer.find('\0'));
        }
        browserLibrary().call("elibFreeString", {r});
    }
    return 1;
}

} // namespace pelizo::browser
