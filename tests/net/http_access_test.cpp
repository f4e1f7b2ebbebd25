#include "demo/loopback_server.h"
#include "net/codepage.h"
#include "net/http_access.h"

#include <gtest/gtest.h>

using namespace pelizo;

namespace {

HttpResponse ok(const std::string& body, std::vector<std::pair<std::string, std::string>> headers = {})
{
    HttpResponse r;
    r.body = body;
    r.headers = std::move(headers);
    return r;
}

// A server whose answer each test sets; it records every request.
class HttpAccessTest : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(server.start()); }

    std::string url(const std::string& path) const { return server.baseUrl() + path; }
    std::string lastRaw() const { return server.requests().empty() ? "" : server.requests().back().raw; }

    std::function<HttpResponse(const HttpRequest&)> answer = [](const HttpRequest&) { return ok("hello"); };
    LoopbackServer server{[this](const HttpRequest& request) { return answer(request); }};
};

const std::string kDefaultLines = "User-Agent: Mozilla/5.0 (compatible; MSIE 9.0; Windows NT 6.1; WOW64; Trident/5.0)\r\n"
                                  "Accept: text/html, application/xhtml+xml, */*\r\n"
                                  "Accept-Encoding: gbk, GB2312\r\n"
                                  "Accept-Language: zh-cn\r\n"
                                  "Content-Type: application/x-www-form-urlencoded\r\n"
                                  "Cache-Control: no-cache\r\n";

} // namespace

TEST_F(HttpAccessTest, PlainGetSendsExactlyTheSixDefaultLines)
{
    std::string status, headers, body;
    HttpAccessArgs args;
    args.errorText = &status;
    args.responseHeaders = &headers;
    args.responseBody = &body;
    EXPECT_EQ(HttpAccess(url("/list/a-b.html?x=1"), args), "hello");
    EXPECT_EQ(lastRaw(), "GET /list/a-b.html?x=1 HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(server.port())
                             + "\r\n" + kDefaultLines + "\r\n");
    EXPECT_EQ(status, "200 OK");
    EXPECT_EQ(headers.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_EQ(body, "hello");
}

TEST_F(HttpAccessTest, MethodsAndBodies)
{
    struct Case {
        int method;
        std::string body;
        std::string expectedStart;
    };
    const Case cases[] = {
        {1, "a=1&b=2", "POST / HTTP/1.1\r\n"},
        {3, "x", "PUT / HTTP/1.1\r\n"},
        {7, "", "GET / HTTP/1.1\r\n"},
        {0, "q", "GET / HTTP/1.1\r\n"}, // a body goes out with any method
    };
    for (const auto& c : cases) {
        HttpAccessArgs args;
        args.method = c.method;
        args.body = c.body;
        HttpAccess(url("/"), args);
        const auto request = server.requests().back();
        EXPECT_EQ(request.raw.rfind(c.expectedStart, 0), 0u) << c.method;
        EXPECT_EQ(request.body, c.body) << c.method;
        EXPECT_NE(request.raw.find("Content-Type: application/x-www-form-urlencoded\r\n"), std::string::npos);
        EXPECT_EQ(request.raw.find("Expect:"), std::string::npos);
    }
    HttpAccessArgs head;
    head.method = 2;
    std::string status;
    head.errorText = &status;
    HttpAccess(url("/"), head);
    EXPECT_EQ(server.requests().back().method, "HEAD");
    EXPECT_EQ(status, "200 OK");
}

TEST_F(HttpAccessTest, ExtraHeadersFollowTheSearchRules)
{
    HttpAccessArgs args;
    args.extraHeaders = "user-agent: Mine/1.0\r\ncontent-type: text/plain\r\nX-Extra: 1";
    HttpAccess(url("/"), args);
    const auto request = server.requests().back();
    EXPECT_EQ(request.header("User-Agent"), "Mine/1.0");
    EXPECT_EQ(request.raw.find("Mozilla"), std::string::npos);
    // The content-type search is case-sensitive, so the default line is
    // added too; added with replace semantics it takes the earlier one's place.
    EXPECT_EQ(request.header("Content-Type"), "application/x-www-form-urlencoded");
    EXPECT_EQ(request.raw.find("text/plain"), std::string::npos);
    EXPECT_EQ(request.header("X-Extra"), "1");
    EXPECT_EQ(request.header("Accept"), "text/html, application/xhtml+xml, */*");
}

TEST_F(HttpAccessTest, CookiesReceivedSentAndMerged)
{
    answer = [](const HttpRequest&) {
        return ok("c", {{"Set-Cookie", "a=1; path=/"}, {"set-cookie", "b=2"}, {"Set-Cookie", "old=deleted"}});
    };
    std::string received, headers;
    HttpAccessArgs args;
    args.receivedCookies = &received;
    args.responseHeaders = &headers;
    HttpAccess(url("/"), args);
    EXPECT_EQ(received, "a=1; b=2; old=deleted");
    EXPECT_NE(headers.find("Set-Cookie: b=2"), std::string::npos);
    EXPECT_EQ(server.requests().back().header("Cookie"), "");

    std::string cookies = "old=1; keep=2";
    args.cookies = &cookies;
    HttpAccess(url("/"), args);
    EXPECT_EQ(server.requests().back().header("Cookie"), "old=1; keep=2");
    EXPECT_EQ(cookies, "a=1; b=2; keep=2");
    EXPECT_EQ(received, cookies);

    std::string untouched = "z=9";
    args.cookies = &untouched;
    args.mergeCookies = false;
    HttpAccess(url("/"), args);
    EXPECT_EQ(untouched, "z=9");
    EXPECT_EQ(received, "a=1; b=2; old=deleted");
}

TEST_F(HttpAccessTest, CookieEngineRunsOnlyWhenCookiesAreGiven)
{
    answer = [](const HttpRequest& request) {
        if (request.path == "/login") {
            HttpResponse r = ok("", {{"Set-Cookie", "sid=42; path=/"}, {"Location", "/home"}});
            r.status = 302;
            r.reason = "Found";
            return r;
        }
        return ok("cookie=" + request.header("Cookie"));
    };
    EXPECT_EQ(HttpAccess(url("/login")), "cookie=");
    std::string cookies;
    HttpAccessArgs args;
    args.cookies = &cookies;
    EXPECT_EQ(HttpAccess(url("/login"), args), "cookie=sid=42");
}

TEST_F(HttpAccessTest, RedirectsFollowedUnlessDisabled)
{
    answer = [](const HttpRequest& request) {
        if (request.path == "/old") {
            HttpResponse r = ok("moved", {{"Location", "/new"}});
            r.status = 302;
            r.reason = "Found";
            return r;
        }
        return ok("method=" + request.method + " body=" + request.body);
    };
    std::string status, location, headers;
    HttpAccessArgs args;
    args.errorText = &status;
    args.location = &location;
    args.responseHeaders = &headers;
    EXPECT_EQ(HttpAccess(url("/old"), args), "method=GET body=");
    EXPECT_EQ(status, "200 OK");
    EXPECT_EQ(headers.find("302"), std::string::npos); // only the final response's headers

    args.noRedirect = true;
    EXPECT_EQ(HttpAccess(url("/old"), args), "moved");
    EXPECT_EQ(status, "302 Found");
    EXPECT_EQ(location, "/new");

    HttpAccessArgs post;
    post.method = 1;
    post.body = "x=1";
    EXPECT_EQ(HttpAccess(url("/old"), post), "method=GET body=");
}

TEST_F(HttpAccessTest, DeclaredCharsetIsConvertedToCodePage936)
{
    const std::string chinese = "第1集";
    const auto page = [](const std::string& charset, const std::string& text) {
        return "<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=" + charset
            + "\"></head><body>" + text + "</body></html>";
    };
    struct Case {
        std::string charset;
        std::string bodyBytes;
    };
    const Case cases[] = {
        {"utf-8", gbkToUtf8(chinese)},
        {"gb2312", chinese},
        {"GBK", chinese},
        {"big5", convertEncoding(chinese, "CP936", "BIG5")},
        {"x-unknown", chinese},
    };
    for (const auto& c : cases) {
        answer = [&](const HttpRequest&) { return ok(page(c.charset, c.bodyBytes)); };
        std::string raw;
        HttpAccessArgs args;
        args.responseBody = &raw;
        EXPECT_EQ(HttpAccess(url("/"), args), page(c.charset, chinese)) << c.charset;
        EXPECT_EQ(raw, page(c.charset, c.bodyBytes)) << c.charset;
    }
    // Only the first 1024 bytes are looked at.
    answer = [&](const HttpRequest&) { return ok(std::string(1100, ' ') + page("utf-8", "\xC3\xA9")); };
    EXPECT_NE(HttpAccess(url("/")).find("\xC3\xA9"), std::string::npos);
}

TEST_F(HttpAccessTest, ErrorStatusesAreNotFailures)
{
    answer = [](const HttpRequest&) {
        HttpResponse r = ok("missing");
        r.status = 404;
        r.reason = "Not Found";
        return r;
    };
    std::string status;
    HttpAccessArgs args;
    args.errorText = &status;
    EXPECT_EQ(HttpAccess(url("/"), args), "missing");
    EXPECT_EQ(status, "404 Not Found");
}

TEST_F(HttpAccessTest, NumberedErrorsForEachFailureStage)
{
    std::string status;
    HttpAccessArgs args;
    args.errorText = &status;
    args.timeoutSeconds = 1;

    for (const std::string bad : {"", "not an address", "ftp://127.0.0.1/x", "http:///path", "http://h:99999/"}) {
        status.clear();
        EXPECT_EQ(HttpAccess(bad, args), "") << bad;
        EXPECT_EQ(status, "701 解析URL地址失败!") << bad;
    }

    LoopbackServer closed([](const HttpRequest&) { return HttpResponse{}; });
    ASSERT_TRUE(closed.start());
    const std::string refused = closed.baseUrl() + "/";
    closed.stop();
    EXPECT_EQ(HttpAccess(refused, args), "");
    EXPECT_EQ(status, "711 发送请求失败!");

    answer = [this](const HttpRequest&) {
        HttpResponse r;
        r.rawParts = {{2500, ""}};
        return r;
    };
    EXPECT_EQ(HttpAccess(url("/silent"), args), "");
    EXPECT_EQ(status, "712 服务器未响应!");

    // A body cut short: the part read is returned, the status text replaces 713.
    answer = [](const HttpRequest&) {
        HttpResponse r;
        r.rawParts = {{0, "HTTP/1.1 200 OK\r\nContent-Length: 100\r\n\r\npartial"}};
        return r;
    };
    EXPECT_EQ(HttpAccess(url("/cut"), args), "partial");
    EXPECT_EQ(status, "200 OK");

    // The receive time-out is per receive: a slow but steady body arrives whole.
    answer = [](const HttpRequest&) {
        HttpResponse r;
        r.rawParts = {{0, "HTTP/1.1 200 OK\r\nContent-Length: 3\r\n\r\na"}, {600, "b"}, {600, "c"}};
        return r;
    };
    EXPECT_EQ(HttpAccess(url("/slow"), args), "abc");
}

TEST_F(HttpAccessTest, OversizedBodyStopsAtTheLimit)
{
    const size_t limit = 64u * 1024u * 1024u;
    answer = [&](const HttpRequest&) { return ok(std::string(limit + 4096, 'x')); };
    std::string status;
    HttpAccessArgs args;
    args.errorText = &status;
    const std::string body = HttpAccess(url("/big"), args);
    EXPECT_EQ(body.size(), limit);
    EXPECT_EQ(status, "200 OK");
}

TEST_F(HttpAccessTest, AddressTravelsAsPercentEncodedUtf8)
{
    HttpAccess(url("/search_流浪 地球_/?0"));
    EXPECT_EQ(server.requests().back().target, "/search_%E6%B5%81%E6%B5%AA%20%E5%9C%B0%E7%90%83_/?0");
    HttpAccess(url("/a%20b"));
    EXPECT_EQ(server.requests().back().target, "/a%20b");
}

TEST_F(HttpAccessTest, CredentialsAndProxy)
{
    HttpAccessArgs args;
    args.serverUser = "u";
    args.serverPassword = "p";
    HttpAccess(url("/"), args);
    EXPECT_EQ(server.requests().back().header("Authorization"), "Basic dTpw");

    args.serverPassword.clear(); // both are needed
    HttpAccess(url("/"), args);
    EXPECT_EQ(server.requests().back().header("Authorization"), "");

    // Through a proxy (the loopback server plays it): the absolute address
    // goes to the proxy, with its credentials; nothing resolves the host.
    HttpAccessArgs proxied;
    proxied.proxy = "127.0.0.1:" + std::to_string(server.port());
    proxied.proxyUser = "pu";
    proxied.proxyPassword = "pp";
    EXPECT_EQ(HttpAccess("http://catalogue.invalid/page.html", proxied), "hello");
    const auto request = server.requests().back();
    EXPECT_EQ(request.target, "http://catalogue.invalid/page.html");
    EXPECT_EQ(request.header("Proxy-Authorization"), "Basic cHU6cHA=");
}

TEST(MergeCookies, ReceivedReplaceOldAndDeletedGo)
{
    struct Case {
        std::string cookies, received, expected, receivedAfter;
    };
    const Case cases[] = {
        {"a=1; b=2", "b=3; c=deleted", "b=3; a=1", "b=3;c=deleted"},
        {"", "x=1", "x=1", "x=1"},
        {"x=1", "", "x=1", ""},
        {"a=1;a=2", "", "a=1", ""},
        {"a = 1 ; b=2", "b=2;b=2", "b=2; a=1", "b=2;b=2"},
        {"flag; a=1", "flag", "flag; a=1", "flag"},
    };
    for (const auto& c : cases) {
        std::string cookies = c.cookies;
        std::string received = c.received;
        EXPECT_EQ(mergeCookies(cookies, received), c.expected) << c.cookies << " + " << c.received;
        EXPECT_EQ(cookies, c.expected);
        EXPECT_EQ(received, c.receivedAfter);
    }
}
