// The binding's protocol with the browser library, against a recording fake.
#include "browser/binding.h"
#include "browser/registry.h"

#include <cstring>
#include <gtest/gtest.h>

using namespace pelizo::browser;

namespace {

using Answer = std::function<CallResult(std::string_view, const std::vector<Arg>&)>;

// Records every call as "entry(arg, arg, ...)" and answers as scripted.
class RecordingLibrary : public BrowserLibrary {
public:
    explicit RecordingLibrary(std::vector<std::string>& calls, Answer answer) : calls_(calls), answer_(std::move(answer)) {}

    CallResult call(std::string_view entryPoint, const std::vector<Arg>& args) override
    {
        std::string line = std::string(entryPoint) + "(";
        for (size_t i = 0; i < args.size(); ++i) {
            line += i ? ", " : "";
            std::visit(
                [&](const auto& a) {
                    using T = std::decay_t<decltype(a)>;
                    if constexpr (std::is_same_v<T, std::int64_t>)
                        line += std::to_string(a);
                    else if constexpr (std::is_same_v<T, std::string>)
                        line += "'" + a + "'";
                    else if constexpr (std::is_same_v<T, OutBuffer>)
                        line += "buffer(" + std::to_string(a.size) + ")";
                    else if constexpr (std::is_same_v<T, InBytes>)
                        line += "bytes(" + std::to_string(a.size) + ")";
                    else if constexpr (std::is_same_v<T, Wrapper*>)
                        line += "wrapper(" + std::to_string(a->classId()) + ")";
                    else if constexpr (std::is_same_v<T, const BrowserSettings*>)
                        line += "settings";
                    else if constexpr (std::is_same_v<T, BrowserEventHandler*>)
                        line += "handler";
                    else
                        line += "-";
                },
                args[i]);
        }
        calls_.push_back(line + ")");
        return answer_ ? answer_(entryPoint, args) : CallResult{};
    }

private:
    std::vector<std::string>& calls_;
    Answer answer_;
};

class BindingTest : public ::testing::Test {
protected:
    void SetUp() override { use(nullptr); }
    void TearDown() override
    {
        installBrowserLibrary(nullptr);
        registryValuesForTests().clear();
    }

    // Installs a fresh fake; the library counts as opened unless asked otherwise.
    void use(Answer answer, bool opened = true)
    {
        installBrowserLibrary(std::make_unique<RecordingLibrary>(calls, std::move(answer)));
        libraryOpened() = opened;
        calls.clear();
    }

    template <typename W>
    static W withHandle(std::int64_t handle)
    {
        W w;
        w.setHandle(handle);
        return W(w);
    }

    std::vector<std::string> calls;
};

std::vector<std::string> without(const std::vector<std::string>& calls, const std::string& prefix)
{
    std::vector<std::string> kept;
    for (const auto& c : calls)
        if (c.rfind(prefix, 0) != 0)
            kept.push_back(c);
    return kept;
}

} // namespace

TEST_F(BindingTest, StartOpensTheLibraryAndAnnouncesTheFiveClasses)
{
    use(nullptr, false);
    startBrowserBinding();
    EXPECT_TRUE(libraryOpened());
    const std::vector<std::string> expected = {
        "OpenInstaller('" + runDirectory() + "/Cef3-Library', 'libtransfer.dll')",
        "elibNewClass(wrapper(32001), 32001)",
        "elibNewClass(wrapper(32002), 32002)",
        "elibNewClass(wrapper(32003), 32003)",
        "elibNewClass(wrapper(32004), 32004)",
        "elibNewClass(wrapper(32007), 32007)",
    };
    EXPECT_EQ(calls, expected); // no release: the handles were 0

    // A wrapper made before anyone opened the library opens it first.
    use(nullptr, false);
    Browser early;
    ASSERT_EQ(calls.size(), 2u);
    EXPECT_EQ(calls[0].rfind("OpenInstaller(", 0), 0u);
    EXPECT_EQ(calls[1], "elibNewClass(wrapper(32002), 32002)");
}

TEST_F(BindingTest, TextGetterAsksForTheSizeFirst)
{
    use([](std::string_view entry, const std::vector<Arg>& args) {
        CallResult r;
        if (entry == "elibGetName") {
            const auto buffer = std::get<OutBuffer>(args[1]);
            if (buffer.size == 0)
                r.integer = 6;
            else
                std::memcpy(buffer.data, "ab&\0zz", 6);
        }
        return r;
    });
    const auto frame = withHandle<BrowserFrame>(3);
    calls.clear();
    EXPECT_EQ(frame.GetName(), "ab&");
    EXPECT_EQ(calls, (std::vector<std::string>{"elibGetName(3, buffer(0), 0)", "elibGetName(3, buffer(6), 6)"}));

    calls.clear();
    EXPECT_EQ(withHandle<BrowserCommandLine>(2).GetCmdSwitchValue("lang"), "");
    EXPECT_EQ(without(calls, "elib" "NewClass"),
              (std::vector<std::string>{"elibRelease(2, 32001)", "elibGetCmdSwitchValue(2, 'lang', buffer(0), 0)",
                                        "elibRelease(2, 32001)"}));

    calls.clear();
    EXPECT_EQ(BrowserFrame().GetURL(), "");
    EXPECT_EQ(without(calls, "elibNewClass"), std::vector<std::string>{});
}

TEST_F(BindingTest, ObjectGetterReturnsACopyThatOutlivesTheTemporary)
{
    use([](std::string_view entry, const std::vector<Arg>& args) {
        if (entry == "elibGetMainFrame" || entry == "elibGetBrowserObject")
            std::get<Wrapper*>(args.back())->setHandle(entry == "elibGetMainFrame" ? 9 : 5);
        return CallResult{};
    });
    {
        const auto browser = withHandle<Browser>(7);
        calls.clear();
        const BrowserFrame frame = browser.GetMainFrame();
        EXPECT_EQ(frame.handle(), 9);
        EXPECT_EQ(calls, (std::vector<std::string>{"elibNewClass(wrapper(32003), 32003)",
                                                   "elibGetMainFrame(7, wrapper(32003))", "elibRelease(9, 32003)"}));
        calls.clear();
    }
    EXPECT_EQ(calls, (std::vector<std::string>{"elibRelease(9, 32003)", "elibRelease(7, 32002)"}));

    calls.clear();
    EXPECT_TRUE(Browser().GetMainFrame().IsNull());
    EXPECT_EQ(without(calls, "elibNewClass"), std::vector<std::string>{});

    calls.clear();
    EXPECT_EQ(browserFromWindow(55).handle(), 5);
    EXPECT_EQ(calls[1], "elibGetBrowserObject(55, wrapper(32002))");
}

TEST_F(BindingTest, RequestCreateReleasesFirst)
{
    use([](std::string_view entry, const std::vector<Arg>&) {
        CallResult r;
        if (entry == "elibCreateRequest")
            r.integer = 0;
        return r;
    });
    BrowserRequest request;
    request.setHandle(4);
    calls.clear();
    EXPECT_FALSE(request.Create(std::int64_t{1}, std::string("GET"), std::int64_t{3}, std::int64_t{4}));
    EXPECT_EQ(calls, (std::vector<std::string>{"elibRelease(4, 32004)", "elibCreateRequest(1, 'GET', 3, 4, -)"}));
    EXPECT_TRUE(request.IsNull());

    use([](std::string_view entry, const std::vector<Arg>&) {
        CallResult r;
        r.integer = entry == "elibCreateRequest" ? 12 : 0;
        return r;
    });
    EXPECT_TRUE(request.Create(std::int64_t{1}, std::int64_t{2}, std::int64_t{3}, std::int64_t{4}, "a=1"));
    EXPECT_EQ(calls, (std::vector<std::string>{"elibCreateRequest(1, 2, 3, 4, bytes(3))"}));
    EXPECT_EQ(request.handle(), 12);
}

TEST_F(BindingTest, ScriptEvaluatorKinds)
{
    std::string text = "ok";
    use([&](std::string_view entry, const std::vector<Arg>& args) {
        CallResult r;
        if (entry == "elibExecuteJavaScriptEx2")
            r.integer = std::get<std::string>(args[1]) == "fail" ? 0 : 77;
        if (entry == "elibGetString") {
            const auto buffer = std::get<OutBuffer>(args[1]);
            if (buffer.size == 0)
                r.integer = static_cast<std::int64_t>(text.size());
            else
                std::memcpy(buffer.data, text.data(), text.size());
        }
        return r;
    });
    const auto evaluator = withHandle<ScriptEvaluator>(8);
    struct Case {
        std::string script;
        int kind;
        std::string resultText;
        int answer;
        std::int64_t number;
        std::string text;
        std::vector<std::string> calls;
    };
    const Case cases[] = {
        {"1+1", 0, "", 1, 77, "before", {"elibExecuteJavaScriptEx2(8, '1+1', 0)"}},
        {"'ok'", 1, "ok", 1, -1, "ok",
         {"elibExecuteJavaScriptEx2(8, ''ok'', 1)", "elibGetString(77, buffer(0), 0)", "elibGetString(77, buffer(2), 2)",
          "elibFreeString(77)"}},
        {"''", 1, "", 1, -1, "before",
         {"elibExecuteJavaScriptEx2(8, '''', 1)", "elibGetString(77, buffer(0), 0)", "elibFreeString(77)"}},
        {"x", 2, "", 1, -1, "before", {"elibExecuteJavaScriptEx2(8, 'x', 2)"}},
        {"fail", 1, "", 0, -1, "before", {"elibExecuteJavaScriptEx2(8, 'fail', 1)"}},
    };
    for (const auto& c : cases) {
        text = c.resultText;
        ScriptResult holder{-1, "before"};
        calls.clear();
        EXPECT_EQ(evaluator.ExecuteJavaScriptEx2(c.script, c.kind, holder), c.answer) << c.script;
        EXPECT_EQ(holder.number, c.number) << c.script;
        EXPECT_EQ(holder.text, c.text) << c.script;
        EXPECT_EQ(calls, c.calls) << c.script;
    }
    calls.clear();
    ScriptResult holder;
    EXPECT_EQ(ScriptEvaluator().ExecuteJavaScriptEx2("1", 0, holder), 0);
}

TEST_F(BindingTest, CommandLineSwitches)
{
    auto commandLine = withHandle<BrowserCommandLine>(21);
    calls.clear();
    browserEvents().onCommandLine(commandLine);
    EXPECT_EQ(calls, (std::vector<std::string>{"elibAddCmdAppendSwitchWithValue(21, '--touch-events', 'enabled')"}));

    registryValuesForTests()["SOFTWARE\\Macromedia\\FlashPlayerPepper\\Version"] = "32.0.0.465";
    calls.clear();
    browserEvents().onCommandLine(commandLine);
    EXPECT_EQ(calls, (std::vector<std::string>{"elibAddCmdAppendSwitchWithValue(21, 'ppapi-flash-version', '32.0.0.465')",
                                               "elibAddCmdAppendSwitchWithValue(21, 'ppapi-flash-path', '')",
                                               "elibAddCmdAppendSwitchWithValue(21, '--touch-events', 'enabled')"}));
}

TEST_F(BindingTest, InitialiseCreateAndEvents)
{
    use([](std::string_view entry, const std::vector<Arg>&) {
        CallResult r;
        r.integer = entry == "elibVersion" ? 103 : 0;
        return r;
    });
    BrowserSettings settings;
    initialiseBrowserLibrary(settings, browserEvents());
    createBrowser("http://jx/1?url=http://v/1.html", 31, 0, 25, 1301, 718);
    EXPECT_EQ(calls, (std::vector<std::string>{"elibVersion()", "elibBasisInterface(103, settings, handler, 0)",
                                               "elibCreateBrowser('http://jx/1?url=http://v/1.html', 31, 0, 0, 0, 25, 1301, 718)"}));

    std::string target;
    int created = 0;
    std::string frameHandle;
    browserEvents().setPlayerRoutines({[&](Browser&, const std::string& t) {
                                           target = t;
                                           return 1;
                                       },
                                       [&](Browser&) { ++created; },
                                       [&](BrowserFrame& f) {
                                           frameHandle = std::to_string(f.handle());
                                           return 1;
                                       }});
    Browser browser;
    BrowserFrame frame;
    frame.setHandle(0);
    EXPECT_EQ(browserEvents().raise(9, {&browser, std::int64_t{0}, std::string("http://pop/up"), std::int64_t{0},
                                        std::int64_t{0}}),
              1);
    EXPECT_EQ(target, "http://pop/up");
    browserEvents().raise(10, {&browser});
    EXPECT_EQ(created, 1);
    EXPECT_EQ(browserEvents().raise(17, {std::int64_t{0}, &frame, std::int64_t{0}}), 1);
    EXPECT_EQ(frameHandle, "0");
    for (int quiet : {2, 3, 11, 18, 19, 22, 23})
        EXPECT_EQ(browserEvents().raise(quiet, {}), 0);
    browserEvents().setPlayerRoutines({});
}
