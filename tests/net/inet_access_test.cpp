#include "demo/loopback_server.h"
#include "net/codepage.h"
#include "net/inet_access.h"

#include <gtest/gtest.h>

using namespace pelizo;

namespace {

class InetAccessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.start()); }
    std::string url(const std::string& path) const { return server.baseUrl() + path; }
    HttpRequest last() const { return server.requests().back(); }

    std::function<HttpResponse(const HttpRequest&)> answer = [](const HttpRequest&) {
        HttpResponse r;
        r.body = "hello";
        return r;
    };
    LoopbackServer server{[this](const HttpRequest& request) { return answer(request); }};
};

HttpResponse withHeaders(std::string body, std::vector<std::pair<std::string, std::string>> headers)
{
    HttpResponse r;
    r.body = std::move(body);
    r.headers = std::move(headers);
    return r;
}

const char* const kAgent = "Mozilla/4.0 (compatible; MSIE 9.0; Windows NT 6.1; MV8QX; .NET CLR 2.0.50727; "
                           ".NET CLR 3.0.04506.648; .NET CLR 3.5.21022)";

} // namespace

TEST(InetAccessUrl, HostPortAndPath)
{
    struct Case {
        std::string address;
        std::string host;
        int port;
        std::string path;
    };
    const Case cases[] = {
        {"example.test/list", "example.test", 80, "/list"},
        {"HTTPS://Api.Example.TEST:8443/A/b?Q=1", "api.example.test", 8443, "/A/b?Q=1"},
        {"http://example.test", "example.test", 80, "/"},
        {"HTTPS://example.test", "example.test", 443, "/"},
        {"http://a.b.c:81/x", "a.b.c", 81, "/x"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(urlHost(c.address), c.host) << c.address;
        EXPECT_EQ(urlPort(c.address), c.port) << c.address;
        EXPECT_EQ(urlPath(c.address), c.path) << c.address;
    }
    EXPECT_EQ(urlHost("http://a.b.c:81/x", true), "b.c");
    EXPECT_EQ(urlHost("http://a.b.c:81/x", true, true), "b.c:81");
    EXPECT_EQ(urlHost("http://solo/x", true), "solo");

    EXPECT_EQ(headerValue("Location:  /next  "), "/next");
    EXPECT_EQ(headerValue("X: a:b"), "a:b");
    EXPECT_EQ(headerValue("no colon"), "");
}

TEST(InetAccessCharset, ConvertCharsetDefaultsAndPassage)
{
    std::string from, to;
    EXPECT_EQ(convertCharset(gbkToUtf8("中文"), &from, &to), "中文");
    EXPECT_EQ(from, "UTF-8");
    EXPECT_EQ(to, "GBK");
    EXPECT_EQ(convertCharset("\xEF\xBB\xBF" + gbkToUtf8("字")), "字");
    std::string back = "GBK", utf8 = "UTF-8";
    EXPECT_EQ(convertCharset("中", &back, &utf8, 3), gbkToUtf8("中")); // skips the byte-order mark
}

TEST_F(InetAccessTest, DefaultRequestAndHeaderBlockWrittenBack)
{
    std::string headers;
    InetAccessArgs args;
    args.headers = &headers;
    EXPECT_EQ(InetAccess(url("/cfg?v=1"), args), "hello");
    const std::string expectedBlock = "Referer: " + url("/cfg?v=1")
        + "\r\nAccept: */*\r\nAccept-Language: zh-cn\r\nContent-Type: application/x-www-form-urlencoded";
    EXPECT_EQ(headers, expectedBlock);
    EXPECT_EQ(last().raw, "GET /cfg?v=1 HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port())
                              + "\r\nUser-Agent: " + kAgent + "\r\n" + expectedBlock + "\r\n\r\n");
}

TEST_F(InetAccessTest, AgentFromTheCallersHeaders)
{
    std::string headers = "User-Agent: Foo";
    InetAccessArgs args;
    args.headers = &headers;
    InetAccess(url("/"), args);
    EXPECT_EQ(last().header("User-Agent"), "Foo");
    EXPECT_EQ(last().raw.find("Mozilla"), std::string::npos);
    EXPECT_EQ(headers.rfind("User-Agent: Foo\r\nReferer: ", 0), 0u);
}

TEST_F(InetAccessTest, AddressWithoutSchemeUsesHttp)
{
    EXPECT_EQ(InetAccess("127.0.0.1:" + std::to_string(server.port()) + "/list"), "hello");
    EXPECT_EQ(last().target, "/list");
}

TEST_F(InetAccessTest, CookiesLocationAndRawHeaders)
{
    answer = [](const HttpRequest&) {
        return withHeaders("b", {{"Set-Cookie", "a=1; path=/"}, {"Set-Cookie", "b=2; path=/"}, {"Set-Cookie", "c"}});
    };
    std::string returned, raw, location;
    std::string cookies = "z=0; a=9";
    InetAccessArgs args;
    args.returnedCookies = &returned;
    args.rawHeaders = &raw;
    args.location = &location;
    args.cookies = &cookies;
    InetAccess(url("/"), args);
    EXPECT_EQ(last().header("Cookie"), "z=0; a=9");
    EXPECT_EQ(returned, "a=1;b=2;"); // the merge took out its blanks
    EXPECT_EQ(cookies, "a=1; b=2; z=0");
    EXPECT_EQ(raw.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_EQ(location, raw); // no Location line: the raw headers

    answer = [](const HttpRequest&) {
        HttpResponse r = withHeaders("", {{"Location", " /next "}});
        r.status = 301;
        r.reason = "Moved";
        return r;
    };
    std::string empty;
    args.cookies = &empty; // supplied empty: no Cookie line
    args.noRedirect = true;
    InetAccess(url("/"), args);
    EXPECT_EQ(last().header("Cookie"), "");
    EXPECT_EQ(location, "/next");
    EXPECT_EQ(returned, "");
}

TEST_F(InetAccessTest, OwnCookieStoreWhenNoCookiesAreSupplied)
{
    answer = [](const HttpRequest& request) {
        if (request.path == "/set")
            return withHeaders("", {{"Set-Cookie", "inet=1; path=/"}});
        return withHeaders("got=" + request.header("Cookie"), {});
    };
    InetAccess(url("/set"));
    EXPECT_EQ(InetAccess(url("/get")), "got=inet=1");
    std::string cookies;
    InetAccessArgs args;
    args.cookies = &cookies;
    EXPECT_EQ(InetAccess(url("/get"), args), "got=");
}

TEST_F(InetAccessTest, Utf8DetectionRule)
{
    const std::string utf8 = gbkToUtf8("更新内容");
    struct Case {
        const char* name;
        std::string body;
        std::string contentType;
        bool converted;
    };
    const Case cases[] = {
        {"marker early in body", "<meta charset=utf-8>" + utf8, "text/html", true},
        {"marker at byte 500", std::string(499, ' ') + "utf-8" + utf8, "text/html", false},
        {"marker late, header says so", std::string(600, ' ') + "utf-8" + utf8, "text/plain; charset=UTF-8", true},
        {"upper-case only", "charset=UTF-8 " + utf8, "text/html", false},
        {"no marker", utf8, "text/plain", false},
    };
    for (const auto& c : cases) {
        answer = [&](const HttpRequest&) { return withHeaders(c.body, {{"Content-Type", c.contentType}}); };
        const std::string result = InetAccess(url("/"));
        EXPECT_EQ(result.find("更新内容") != std::string::npos, c.converted) << c.name;
    }
}

TEST_F(InetAccessTest, PostBodyAndProxyMode)
{
    std::string postBytes;
    InetAccessArgs args;
    args.method = 1;
    args.postText = "a=1";
    args.postBytes = &postBytes;
    InetAccess(url("/form"), args);
    EXPECT_EQ(last().method, "POST");
    EXPECT_EQ(last().body, "a=1");
    EXPECT_EQ(postBytes, "a=1");

    InetAccessArgs getWithBody;
    getWithBody.method = 5;
    getWithBody.postText = "q";
    InetAccess(url("/"), getWithBody);
    EXPECT_EQ(last().method, "GET");
    EXPECT_EQ(last().body, "q");

    InetAccessArgs proxied;
    proxied.proxy = "127.0.0.1:" + std::to_string(server.port());
    EXPECT_EQ(InetAccess("http://config.invalid/rz1.txt", proxied), "hello");
    EXPECT_EQ(last().target, "http://config.invalid/rz1.txt");
}

TEST_F(InetAccessTest, FailuresGiveEmptyText)
{
    LoopbackServer closed([](const HttpRequest&) { return HttpResponse{}; });
    ASSERT_TRUE(closed.start());
    const std::string refused = closed.baseUrl() + "/";
    closed.stop();
    std::string location = "kept?", headers;
    InetAccessArgs args;
    args.location = &location;
    args.headers = &headers;
    EXPECT_EQ(InetAccess(refused, args), "");
    EXPECT_EQ(location, "kept?");
    EXPECT_FALSE(headers.empty());
    EXPECT_EQ(InetAccess("http:///nohost"), "");
}
