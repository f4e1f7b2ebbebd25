// The five wrapper classes over the browser library's objects. A wrapper
// holds one handle (0: no object) and calls the library's entry points with
// it; on an empty wrapper every operation does nothing and answers 0, empty
// text or an empty wrapper.
#pragma once

#include "browser/library_interface.h"

#include <cstdint>
#include <string>
#include <vector>

namespace pelizo::browser {

enum ClassId : int {
    kCommandLineClass = 32001,
    kBrowserClass = 32002,
    kFrameClass = 32003,
    kRequestClass = 32004,
    kScriptEvaluatorClass = 32007,
};

class Wrapper {
public:
    // Opens the library when nobody has yet, then announces itself with its
    // class id (elibNewClass).
    explicit Wrapper(int classId);
    // copy: the same handle, no library call
    Wrapper(const Wrapper& other);
    Wrapper& operator=(const Wrapper&) = delete;
    // destroy: gives the handle back to the library (elibRelease)
    virtual ~Wrapper();

    void AddRef(std::int64_t ignored);
    bool IsNull() const { return handle_ == 0; }

    std::int64_t handle() const { return handle_; }
    int classId() const { return classId_; }
    // The library sets the handle of a wrapper handed to it.
    void setHandle(std::int64_t handle) { handle_ = handle; }

protected:
    // The entry point with the handle first, then `args`; nothing on an
    // empty wrapper.
    CallResult callWithHandle(std::string_view entryPoint, std::vector<Arg> args = {}) const;
    // The text-getter protocol: ask for the size, then fill a buffer.
    std::string getText(std::string_view entryPoint, std::vector<Arg> argsBeforeBuffer = {}) const;

    template <typename Result>
    Result getObject(std::string_view entryPoint, std::vector<Arg> args = {}) const
    {
        Result fresh;
        if (handle_ != 0) {
            args.insert(args.begin(), handle_);
            args.push_back(static_cast<Wrapper*>(&fresh));
            browserLibrary().call(entryPoint, args);
        }
        return Result(fresh);
    }

private:
    std::int64_t handle_ = 0;
    int classId_;
};

class BrowserCommandLine : public Wrapper {
public:
    BrowserCommandLine() : Wrapper(kCommandLineClass) {}
    BrowserCommandLine(const BrowserCommandLine&) = default;

    std::string GetCmdString() const;
    int HasCmdSwitchs() const;
    int HasCmdSwitch(const std::string& name) const;
    std::string GetCmdSwitchValue(const std::string& name) const;
    void AddCmdAppendSwitch(const std::string& name) const;
    void AddCmdAppendSwitchWithValue(const std::string& name, const std::string& value) const;
};

class BrowserFrame;

class Browser : public Wrapper {
public:
    Browser() : Wrapper(kBrowserClass) {}
    Browser(const Browser&) = default;

    int CanGoBack() const;
    void GoBack() const;
    int CanGoForward() const;
    void GoForward() const;
    int IsLoading() const;
    void Reload() const;
    void ReloadIgnoreCache() const;
    void StopLoad() const;
    int HasDocument() const;
    BrowserFrame GetMainFrame() const;
    BrowserFrame GetFrame(const std::string& name) const;
    BrowserFrame GetFrameIndex(int index) const;
    int GetFrameCount() const;
    void CloseBrowser() const;
    int GetWindowHandle() const;
    double GetZoomLevel() const;
    void SetZoomLevel(double level) const;
    void Unnamed(std::int64_t) const {} // a slot of the class that does nothing
    void Print() const;
    void MoveTo(int x, int y) const;
    void LeftClick(int x, int y, int flags) const;
    void RightClick(int x, int y, int flags) const;
    void LeftDown(int x, int y) const;
    void LeftUp(int x, int y) const;
    void RightDown(int x, int y) const;
    void RightUp(int x, int y) const;
    void OpenDevTools(int x, int y) const;
};

class BrowserRequest;

class BrowserFrame : public Wrapper {
public:
    BrowserFrame() : Wrapper(kFrameClass) {}
    BrowserFrame(const BrowserFrame&) = default;

    void ExecuteCmd(int command) const;
    void ViewSource() const;
    void GetSource(int a, int b) const;
    void GetText(int a, int b) const;
    void LoadRequest(BrowserRequest& request) const;
    void LoadURL(const std::string& address) const;
    void LoadString(const std::string& text, const std::string& address) const;
    void ExecuteJavaScript(const std::string& script) const;
    int IsMain() const;
    std::string GetName() const;
    std::string GetURL() const;
    void ExecuteJavaScriptEx(const std::string& script, int a, int b, int c) const;
};

class BrowserRequest : public Wrapper {
public:
    BrowserRequest() : Wrapper(kRequestClass) {}
    BrowserRequest(const BrowserRequest&) = default;

    std::string GetRequestURL() const;
    std::string GetRequestMethod() const;
    std::string GetRequestRefererUrl() const;
    int GetRequestResourceType() const;
    std::string GetRequestHeader() const;
    void SetRequestHeader(const std::string& name, const std::string& value) const;
    std::string GetRequestPostData() const;
    // Releases a request already held, then asks the library for a new one.
    bool Create(const Arg& a, const Arg& b, const Arg& c, const Arg& d, const std::string& postData = {});
    void SetRequestReferer(const std::string& referer) const;
    void SetRequestAddress(const std::string& address) const;
    void SetRequestPostData(const std::string& bytes) const;
};

// What an evaluation hands back: a number or a text.
struct ScriptResult {
    std::int64_t number = 0;
    std::string text;
};

class ScriptEvaluator : public Wrapper {
public:
    ScriptEvaluator() : Wrapper(kScriptEvaluatorClass) {}
    ScriptEvaluator(const ScriptEvaluator&) = default;

    // kind 0: a number into the holder, 1: a text; 1 when the library
    // answered, 0 otherwise.
    int ExecuteJavaScriptEx2(const std::string& script, int kind, ScriptResult& holder, std::int64_t ignored = 0) const;
};

} // namespace pelizo::browser
