#include "demo/demo_site.h"

#include "demo/catalogue.h"
#include "demo/catalogue_pages.h"
#include "demo/parse_pages.h"
#include "demo/png_image.h"
#include "net/codepage.h"

#include <cstdlib>

namespace pelizo::demo {
namespace {

HttpResponse page(std::string body, const std::string& type = "text/html; charset=gbk")
{
    HttpResponse r;
    r.body = std::move(body);
    r.headers = {{"Content-Type", type}};
    return r;
}

HttpResponse notFound()
{
    HttpResponse r = page(utf8ToGbk("<html><head><meta charset=\"gbk\"></head><body>404 页面不存在</body></html>"));
    r.status = 404;
    r.reason = "Not Found";
    return r;
}

bool startsWith(const std::string& text, const std::string& prefix) { return text.rfind(prefix, 0) == 0; }

bool endsWith(const std::string& text, const std::string& suffix)
{
    return text.size() >= suffix.size() && text.compare(text.size() - suffix.size(), suffix.size(), suffix) == 0;
}

std::string percentDecode(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && std::isxdigit(static_cast<unsigned char>(text[i + 1]))
            && std::isxdigit(static_cast<unsigned char>(text[i + 2]))) {
            out.push_back(static_cast<char>(std::stoi(text.substr(i + 1, 2), nullptr, 16)));
            i += 2;
        } else {
            out.push_back(text[i]);
        }
    }
    return out;
}

std::string escapeHtml(const std::string& text)
{
    std::string out;
    for (char c : text) {
        switch (c) {
        case '<': out += "&lt;"; break;
        case '>': out += "&gt;"; break;
        case '&': out += "&amp;"; break;
        case '"': out += "&quot;"; break;
        default: out.push_back(c);
        }
    }
    return out;
}

// A decimal id out of "/prefix<id>.html"-like paths; 0 when there is none.
int idBetween(const std::string& path, const std::string& prefix, const std::string& suffix)
{
    if (!startsWith(path, prefix) || !endsWith(path, suffix) || path.size() <= prefix.size() + suffix.size())
        return 0;
    const std::string digits = path.substr(prefix.size(), path.size() - prefix.size() - suffix.size());
    if (digits.size() > 6 || digits.find_first_not_of("0123456789") != std::string::npos)
        return 0;
    return std::atoi(digits.c_str());
}

// Splits "TYPE<sep1>YEAR<sep2>PAGE" of a listing path.
bool splitListing(const std::string& listingPart, const std::string& first, const std::string& second, std::string& type,
                  std::string& year, int& pageNumber)
{
    const auto a = listingPart.find(first);
    if (a == std::string::npos)
        return false;
    type = listingPart.substr(0, a);
    const std::string rest = listingPart.substr(a + first.size());
    const auto b = rest.find(second);
    if (b == std::string::npos)
        return false;
    year = rest.substr(0, b);
    const std::string number = rest.substr(b + second.size());
    if (number.empty() || number.size() > 6 || number.find_first_not_of("0123456789") != std::string::npos)
        return false;
    pageNumber = std::atoi(number.c_str());
    return true;
}

// The keyword arrives percent-encoded UTF-8; raw code page 936 is taken too.
std::string keywordFromPath(const std::string& encoded)
{
    const std::string bytes = percentDecode(encoded);
    const std::string gbk = utf8ToGbk(bytes);
    return gbkToUtf8(gbk) == bytes ? gbk : bytes;
}

// The episode address after "url=": the rest of the query, percent-decoded.
std::string parseTarget(const std::string& query)
{
    const auto at = query.find("url=");
    return at == std::string::npos ? std::string() : percentDecode(query.substr(at + 4));
}

std::string configFile(const DemoOptions& options, const std::string& parseHost)
{
    std::string text = "全网Pelizo 演示配置文件\r\n解析接口：\r\n";
    if (!options.noInterfaces)
        for (int n = 1; n <= 3; ++n)
            text += "[[[http://" + parseHost + "/jiexi/" + std::to_string(n) + ".html?url=]]]\r\n";
    text += "最新版本：[\\" + options.latestVersion + "/]\r\n";
    text += "更新内容：{1. 新增三条演示解析线路\r\n2. 剧集列表支持上一集、下一集\r\n3. 修复若干已知问题}\r\n";
    return gbkToUtf8(text);
}

std::string simplePage(const std::string& title, const std::string& body)
{
    return "<!DOCTYPE html>\r\n<html><head><meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\" />"
           "<title>" + title + "</title></head><body><h1>" + title + "</h1>" + body + "</body></html>\r\n";
}

} // namespace

DemoSite::DemoSite(DemoOptions options)
    : options_(std::move(options)),
      server_(std::make_unique<LoopbackServer>([this](const HttpRequest& r) { return handle(r); }))
{
}

DemoSite::~DemoSite() { stop(); }

bool DemoSite::start(uint16_t port) { return server_->start(port); }

void DemoSite::stop() { server_->stop(); }

uint16_t DemoSite::port() const { return server_->port(); }

std::string DemoSite::host(const std::string& label) const
{
    return label + ".localhost:" + std::to_string(server_->port());
}

HttpResponse DemoSite::handle(const HttpRequest& request) const
{
    SiteHosts hosts;
    hosts.film = host("dianying");
    hosts.series = host("tv");
    hosts.images = host("img");
    hosts.suffix = "localhost:" + std::to_string(server_->port());

    const std::string name = request.hostName();
    const std::string label = name.substr(0, name.find('.'));
    const std::string& path = request.path;
    std::string type, year;
    int number = 0;

    if (label == "dianying") {
        if (startsWith(path, "/list/") && endsWith(path, ".html")
            && splitListing(path.substr(6, path.size() - 11), "----", "---", type, year, number))
            return page(listingPage(hosts, false, type, year, number));
        if (const Title* t = findTitle(idBetween(path, "/m/", ".html")); t && !t->series)
            return page(filmPage(hosts, *t));
        return notFound();
    }
    if (label == "tv") {
        if (const Title* t = findTitle(idBetween(path, "/tv/", ".html")); t && t->series)
            return page(seriesPage(hosts, *t));
        if (endsWith(path, ".html") && path.size() > 6
            && splitListing(path.substr(1, path.size() - 6), "---", "--", type, year, number))
            return page(listingPage(hosts, true, type, year, number));
        return notFound();
    }
    if (label == "so" && startsWith(path, "/search_")) {
        std::string words = path.substr(8);
        if (endsWith(words, "/"))
            words.pop_back();
        return page(searchPage(hosts, keywordFromPath(words.substr(0, words.rfind('_')))));
    }
    if (label == "img") {
        if (const Title* t = findTitle(idBetween(path, "/poster/", ".png")))
            return page(posterPng(static_cast<uint32_t>(t->id)), "image/png");
        for (const auto& platform : platforms())
            if (path == "/icon/" + platform.key + ".png")
                return page(iconPng(static_cast<uint32_t>(std::hash<std::string>{}(platform.key)) & 0xFFFFFF),
                            "image/png");
        if (path == "/lazy.gif")
            return page(std::string("GIF89a\x01\x00\x01\x00\x80\x00\x00\xff\xff\xff\x00\x00\x00!\xf9\x04\x01\x00\x00"
                                    "\x00\x00,\x00\x00\x00\x00\x01\x00\x01\x00\x00\x02\x02D\x01\x00;",
                                    43),
                        "image/gif");
        return notFound();
    }
    if (label == "app") {
        if (path == "/rz1.txt") {
            if (options_.configDelayMs > 0)
                server_->pause(options_.configDelayMs);
            return page(configFile(options_, host("jx")), "text/plain; charset=utf-8");
        }
        if (path == "/download.html")
            return page(simplePage("全网Pelizo 下载", "<p>演示下载页：最新版本 " + escapeHtml(options_.latestVersion) + "</p>"));
        return notFound();
    }
    for (const auto& platform : platforms())
        if (label == platform.key && startsWith(path, "/play/"))
            return page(simplePage(platform.name + " 播放页",
                                   "<p>这是" + platform.name + "的演示播放页：" + escapeHtml(path) + "</p>"));
    if (label == "jx" && startsWith(path, "/jiexi/")) {
        const std::string service = path.substr(7);
        // Parse services answer afresh every time: nothing is cached.
        HttpResponse answer = service == "frame.html" ? page(parseFramePage(), "text/html; charset=utf-8")
                                                      : page(parseServicePage(service, parseTarget(request.query)),
                                                             "text/html; charset=utf-8");
        answer.headers.emplace_back("Cache-Control", "no-store");
        return answer;
    }
    if (label == "pan" || label == "lanzou")
        return page(simplePage(label == "pan" ? "百度云 演示分享页" : "蓝奏 演示分享页", "<p>全网Pelizo 安装包（演示）</p>"));
    if (path == "/")
        return page(simplePage("全网Pelizo 演示站点",
                               "<p>电影：http://" + hosts.film + "/list/-------1.html</p><p>电视剧：http://" + hosts.series
                                   + "/-----1.html</p><p>配置：http://" + host("app") + "/rz1.txt</p>"));
    return notFound();
}

} // namespace pelizo::demo
