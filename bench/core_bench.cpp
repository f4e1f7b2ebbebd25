// Cost of the text layer over a large page, and of HttpAccess against a
// loopback server beside plain libcurl on the same server.
#include "demo/loopback_server.h"
#include "net/http_access.h"
#include "net/regex_object.h"
#include "net/text.h"

#include <benchmark/benchmark.h>
#include <curl/curl.h>

using namespace pelizo;

namespace {

// About 1 MB in the listing and search pages' shape.
const std::string& largePage()
{
    static const std::string page = [] {
        std::string p = "<html><head><meta charset=gbk></head><body><!-- 列表 --><ul>\r\n";
        for (int i = 0; p.size() < 1'000'000; ++i) {
            const std::string id = std::to_string(i);
            p += "<li><div class=\"p-thumb\"><img src=\"//img.localhost/lazy.gif\" data-src=\"//img.localhost/p/" + id
                + ".png\" alt=\"\"></div>\r\n<p><a href=\"//dianying.localhost/m/" + id
                + ".html\" target=\"_blank\" title=\"影片第" + id + "号\">影片第" + id + "号</a></p>\r\n"
                + "<h2><a href=\"http://dianying.localhost/m/" + id + ".html\">x</a><span class=\"sStyle\">电影</span></h2></li>\r\n";
        }
        return p + "</ul><!-- 列表 --></body></html>";
    }();
    return page;
}

void BM_TextBetweenAll(benchmark::State& state)
{
    std::vector<std::string> out;
    for (auto _ : state)
        benchmark::DoNotOptimize(textBetweenAll(largePage(), "title=\"", "\"", out));
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * largePage().size()));
}
BENCHMARK(BM_TextBetweenAll)->Unit(benchmark::kMillisecond);

void runPattern(benchmark::State& state, const char* pattern)
{
    for (auto _ : state) {
        RegexObject regex;
        regex.create(pattern, largePage());
        benchmark::DoNotOptimize(regex.matchCount());
    }
    state.SetBytesProcessed(static_cast<int64_t>(state.iterations() * largePage().size()));
}

void BM_ListingPattern(benchmark::State& state)
{
    runPattern(state, "data-src=\"(.*?)\"[\\s\\S]*?href=\"(.*?)\".*?title=\"(.*?)\"");
}
BENCHMARK(BM_ListingPattern)->Unit(benchmark::kMillisecond);

void BM_SearchPattern(benchmark::State& state)
{
    runPattern(state, "<img src=.*?data-src=\"(.*?)\".*?title=\"(.*?)\"[\\s\\S]*?<h2><a href=\"(.*?)\".*?class=\"sStyle\">(.*?)</span");
}
BENCHMARK(BM_SearchPattern)->Unit(benchmark::kMillisecond);

LoopbackServer& pageServer()
{
    static LoopbackServer server([](const HttpRequest&) {
        HttpResponse r;
        r.body = std::string(64 * 1024, 'x');
        return r;
    });
    static const bool started = server.start();
    (void)started;
    return server;
}

void BM_HttpAccess(benchmark::State& state)
{
    const std::string url = pageServer().baseUrl() + "/page.html";
    for (auto _ : state)
        benchmark::DoNotOptimize(HttpAccess(url));
}
BENCHMARK(BM_HttpAccess)->Unit(benchmark::kMicrosecond);

size_t discard(char*, size_t size, size_t count, void* sink)
{
    static_cast<std::string*>(sink)->append(size * count, ' ');
    return size * count;
}

void BM_PlainLibcurl(benchmark::State& state)
{
    const std::string url = pageServer().baseUrl() + "/page.html";
    for (auto _ : state) {
        CURL* h = curl_easy_init();
        std::string body;
        curl_easy_setopt(h, CURLOPT_URL, url.c_str());
        curl_easy_setopt(h, CURLOPT_WRITEFUNCTION, discard);
        curl_easy_setopt(h, CURLOPT_WRITEDATA, &body);
        curl_easy_perform(h);
        curl_easy_cleanup(h);
        benchmark::DoNotOptimize(body);
    }
}
BENCHMARK(BM_PlainLibcurl)->Unit(benchmark::kMicrosecond);

} // namespace
