#include "app/remote_config.h"
#include "demo/loopback_server.h"
#include "net/codepage.h"

#include <gtest/gtest.h>

using namespace pelizo;

namespace {

// Serves one configuration text, given in code page 936 and sent as UTF-8.
struct ConfigServer {
    explicit ConfigServer(std::string gbkText)
        : server([text = gbkToUtf8(gbkText)](const HttpRequest&) {
              HttpResponse r;
              r.body = text;
              return r;
          })
    {
        server.start();
    }
    std::string url() const { return server.baseUrl() + "/rz1.txt"; }
    LoopbackServer server;
};

} // namespace

TEST(RemoteConfig, InterfacesVersionAndNotes)
{
    struct Case {
        const char* name;
        std::string file;
        std::vector<std::string> interfaces;
        std::string version;
    };
    const Case cases[] = {
        {"trimmed, empty skipped", "[[[ A ]]]\r\n[[[]]]\n[[[B]]] [\\4.9/] {notes}", {"A", "B"}, "4.9"},
        {"blanks only", "[[[   ]]] [\\4.9/]", {}, "4.9"},
        {"version kept as is", "[[[http://jx/1?url=]]] [\\ 4.9 /]", {"http://jx/1?url="}, " 4.9 "},
        {"no version", "[[[x]]]", {"x"}, ""},
        {"chinese", "[[[线路甲]]] [\\四点九/]", {"线路甲"}, "四点九"},
        {"tab stays inside", "[[[\ta ]]]", {"\ta"}, ""},
    };
    for (const auto& c : cases) {
        ConfigServer config(c.file);
        std::string version = "stale";
        std::vector<std::string> interfaces{"stale"};
        EXPECT_EQ(fetchRemoteConfig(config.url(), version, interfaces), static_cast<int>(c.interfaces.size()))
            << c.name;
        EXPECT_EQ(interfaces, c.interfaces) << c.name;
        EXPECT_EQ(version, c.version) << c.name;
    }
}

TEST(RemoteConfig, UnreachableGivesEmptyOutputs)
{
    std::string version = "stale";
    std::vector<std::string> interfaces{"stale"};
    EXPECT_EQ(fetchRemoteConfig("http://127.0.0.1:1/rz1.txt", version, interfaces), 0);
    EXPECT_TRUE(version.empty());
    EXPECT_TRUE(interfaces.empty());
}

TEST(RemoteConfig, Utf8ToAnsiUsesQuestionMarksForMissingCharacters)
{
    EXPECT_EQ(utf8ToAnsi(gbkToUtf8("版本") + "\xF0\x9F\x8E\xAC"), "版本?");
}
