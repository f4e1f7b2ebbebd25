#include "demo/catalogue_pages.h"

#include "net/text.h"
#include "scrape/listing_filters.h"

#include <algorithm>

namespace pelizo::demo {
namespace {

// Results the search page lists before its first advertisement.
constexpr size_t kSearchHitsBeforeAd = 5;

std::string head(const std::string& pageTitle)
{
    return "<!DOCTYPE html>\r\n<html>\r\n<head>\r\n"
           "<meta http-equiv=\"Content-Type\" content=\"text/html; charset=gbk\" />\r\n<title>"
        + pageTitle + " - 全网影视库（演示）</title>\r\n</head>\r\n<body>\r\n"
        + "<div class=\"header\"><a href=\"/\">全网影视库</a> 演示站点，内容均为虚构</div>\r\n";
}

const char* const kFoot = "<div class=\"footer\">演示数据 仅供测试</div>\r\n</body>\r\n</html>\r\n";

std::string typeLabel(const Title& t) { return typeFilterItems(t.series ? 2 : 1)[static_cast<size_t>(t.typeIndex)].label; }

std::string listingPath(bool series, const std::string& typeCode, const std::string& yearCode, int page)
{
    const std::string number = std::to_string(page);
    return series ? "/" + typeCode + "---" + yearCode + "--" + number + ".html"
                  : "/list/" + typeCode + "----" + yearCode + "---" + number + ".html";
}

std::string pager(bool series, const std::string& typeCode, const std::string& yearCode, int current, int count)
{
    const auto link = [&](int page, const std::string& text) {
        return "<a href='" + listingPath(series, typeCode, yearCode, page) + "' target='_self'  >" + text + "</a>";
    };
    std::string p = "<div class=\"v_page\">";
    if (current > 1)
        p += link(1, "首页") + link(current - 1, "上一页");
    for (int page = 1; page <= count; ++page) {
        const bool shown = page == 1 || page == count || (page >= current - 3 && page <= current + 3);
        if (!shown) {
            if (page == 2 || page == count - 1)
                p += "<span>...</span>";
            continue;
        }
        p += page == current ? "<a class='cur' >" + std::to_string(page) + "</a>" : link(page, std::to_string(page));
    }
    if (current < count)
        p += link(current + 1, "下一页");
    return p + "</div>";
}

std::string castLinks(const Title& t)
{
    std::string links;
    for (const auto& name : t.cast)
        links += "<a href=\"/search_" + name + "_/?0\" target=\"_blank\">" + name + "</a>";
    return links;
}

std::string iconAddress(const SiteHosts& hosts, const Platform& p) { return "//" + hosts.images + "/icon/" + p.key + ".png"; }

} // namespace

std::string detailPath(const Title& title) { return (title.series ? "/tv/" : "/m/") + std::to_string(title.id) + ".html"; }

std::string posterPath(const Title& title) { return "/poster/" + std::to_string(title.id) + ".png"; }

std::string episodeAddress(const SiteHosts& hosts, const Title& title, int platform, int episode)
{
    const Platform& p = platforms()[static_cast<size_t>(platform)];
    std::string address = "http://" + hosts.platform(p.key) + "/play/" + std::to_string(title.id);
    if (title.series)
        address += "-" + std::to_string(episode);
    address += ".html";
    if (title.series && p.queryOnLinks)
        address += "?from=quanwang&ep=" + std::to_string(episode);
    return address;
}

std::string listingPage(const SiteHosts& hosts, bool series, const std::string& typeCode,
                        const std::string& yearCode, int page)
{
    std::vector<const Title*> titles;
    filterTitles(series, typeCode, yearCode, titles);
    const int count = static_cast<int>((titles.size() + kListingPageSize - 1) / kListingPageSize);
    std::string html = head(series ? "电视剧" : "电影");
    html += "<div class=\"filter\">类型 年代 筛选</div>\r\n<!-- 列表 -->\r\n<div class=\"list\">\r\n<ul class=\"p-list\">\r\n";
    const size_t first = static_cast<size_t>(std::max(page - 1, 0)) * kListingPageSize;
    const bool inRange = page >= 1 && page <= count;
    for (size_t i = first; inRange && i < titles.size() && i < first + kListingPageSize; ++i) {
        const Title& t = *titles[i];
        const std::string detail = "//" + (series ? hosts.series : hosts.film) + detailPath(t);
        html += "<li class=\"p-item\">\r\n"
                "  <a class=\"p-thumb\" href=\"" + detail + "\" target=\"_blank\"><img src=\"//" + hosts.images
            + "/lazy.gif\" data-src=\"//" + hosts.images + posterPath(t) + "\" alt=\"\" /></a>\r\n"
            + "  <p class=\"p-title\"><a href=\"" + detail + "\" target=\"_blank\" title=\"" + t.name + "\">" + t.name
            + "</a></p>\r\n  <p class=\"p-score\">" + t.score + "</p>\r\n</li>\r\n";
    }
    html += "</ul>\r\n";
    if (inRange)
        html += pager(series, typeCode, yearCode, page, count) + "\r\n";
    else
        html += "<p class=\"empty\">暂无相关影片</p>\r\n";
    html += "</div>\r\n<!-- 列表 -->\r\n";
    return html + kFoot;
}

std::string filmPage(const SiteHosts& hosts, const Title& film)
{
    std::string html = head(film.name);
    html += "<!-- 介绍 -->\r\n<div class=\"s-top\">\r\n<div class=\"s-top-left\"><img src=\"//" + hosts.images
        + posterPath(film) + "\" alt=\"\" /></div>\r\n<div class=\"s-top-right\">\r\n<h1>" + film.name + "</h1>\r\n"
        + "<p class=\"p-score\"><em class=\"emScore\">" + film.score + "</em>分</p>\r\n<ul class=\"s-top-list\">\r\n"
        + "<li><em>主演：</em>" + castLinks(film) + "</li>\r\n"
        + "<li><em>导演：</em><a href=\"#\">" + film.director + "</a></li>\r\n"
        + "<li><em>类型：</em><a href=\"#\">" + typeLabel(film) + "</a><a href=\"#\">剧情</a></li>\r\n"
        + "<li><em>时长：</em><em>" + std::to_string(film.minutes) + "分钟</em></li>\r\n"
        + "<li><em>年代：</em><em>" + std::to_string(film.year) + "</em></li>\r\n"
        + "<li><em>地区：</em><a href=\"#\">" + film.region + "</a></li>\r\n"
        + "<li><em>简介：</em><span class=\"sAll\">" + film.synopsis + "</span></li>\r\n"
        + "</ul>\r\n</div>\r\n</div>\r\n<!-- 介绍 -->\r\n<!-- 播放 -->\r\n<div class=\"s-play\">\r\n<ul>\r\n";
    for (int p : film.platforms) {
        const Platform& platform = platforms()[static_cast<size_t>(p)];
        html += "<li><a href=\"" + episodeAddress(hosts, film, p, 1) + "\" target=\"_blank\"><img src=\""
            + iconAddress(hosts, platform) + "\" alt=\"\" />" + platform.name + "</a></li>\r\n";
    }
    html += "</ul>\r\n</div>\r\n<!-- 播放 -->\r\n";
    return html + kFoot;
}

std::string seriesPage(const SiteHosts& hosts, const Title& show)
{
    const std::string count = show.finished ? "全&nbsp;" + std::to_string(show.episodes) + " 集"
                                            : "更新至&nbsp;第" + std::to_string(show.episodes) + "集\r\n";
    std::string html = head(show.name);
    html += "<!-- 介绍 -->\r\n<div class=\"s-top\">\r\n<div class=\"s-top-left\"><img src=\"//" + hosts.images
        + posterPath(show) + "\" title=\"" + show.name + "\" alt=\"\" /></div>\r\n<div class=\"s-top-right\">\r\n<h1>"
        + show.name + "</h1>\r\n<p class=\"p-score\"><em class=\"emScore\">" + show.score + "</em>分 <em class=\"emNum\">"
        + count + "</em></p>\r\n<ul class=\"s-top-list\">\r\n"
        + "<li><em>主演：</em>" + castLinks(show) + "<a href=\"#\" class=\"more\">更多</a></li>\r\n"
        + "<li><em>导演：</em><a href=\"#\">" + show.director + "</a></li>\r\n"
        + "<li><em>类型：</em><a href=\"#\">" + typeLabel(show) + "</a></li>\r\n"
        + "<li><em>年代：</em><a href=\"#\">" + std::to_string(show.year) + "</a></li>\r\n"
        + "<li><em>地区：</em><a href=\"#\">" + show.region + "</a></li>\r\n"
        + "<li><em>简介：</em><span>" + show.synopsis + "</span></li>\r\n</ul>\r\n</div>\r\n"
        + "<div class=\"s-source\">\r\n<!-- 播放源标签 -->\r\n<div class=\"play-tabs\">\r\n";
    for (int p : show.platforms) {
        const Platform& platform = platforms()[static_cast<size_t>(p)];
        html += "<a href=\"javascript:;\" class=\"tab\"><img src=\"" + iconAddress(hosts, platform) + "\">"
            + platform.name + "</a>\r\n";
    }
    html += "</div>\r\n<!-- 播放源标签 -->\r\n";
    for (int p : show.platforms) {
        html += "<!-- 集数（show=1的时候显示完整列表，show=2时显示更多按钮） begin-->\r\n<div class=\"ep-list\">\r\n";
        for (int e = 1; e <= show.episodes; ++e)
            html += "<a href=\"" + episodeAddress(hosts, show, p, e) + "\" target=\"_blank\">" + std::to_string(e)
                + "</a>\r\n";
        html += "</div>\r\n<!-- 集数（show=1的时候显示完整列表，show=2时显示更多按钮） end-->\r\n";
    }
    html += "</div>\r\n</div>\r\n<!-- 介绍 -->\r\n";
    return html + kFoot;
}

std::string searchPage(const SiteHosts& hosts, const std::string& keyword)
{
    std::vector<const Title*> hits;
    if (!keyword.empty())
        for (const auto* list : {&films(), &series()})
            for (const auto& t : *list)
                if (findText(t.name, keyword) != -1)
                    hits.push_back(&t);
    const auto entry = [&](const Title& t) {
        const std::string detail = "http://" + (t.series ? hosts.series : hosts.film) + detailPath(t);
        return "<li class=\"s-item\">\r\n<div class=\"s-pic\"><a href=\"" + detail + "\" target=\"_blank\"><img src=\"//"
            + hosts.images + "/lazy.gif\" data-src=\"//" + hosts.images + posterPath(t) + "\" title=\"" + t.name
            + "\" alt=\"\" /></a></div>\r\n<div class=\"s-info\">\r\n<h2><a href=\"" + detail + "\" target=\"_blank\">"
            + t.name + "</a><span class=\"sStyle\">" + (t.series ? "电视剧" : "电影") + "</span></h2>\r\n<p>主演："
            + t.cast.front() + "</p>\r\n</div>\r\n</li>\r\n";
    };
    std::string html = head("搜索 " + keyword);
    html += "<!-- 搜索结果 start-->\r\n<div class=\"s-result\">\r\n<ul>\r\n";
    for (size_t i = 0; i < hits.size() && i < kSearchHitsBeforeAd; ++i)
        html += entry(*hits[i]);
    if (hits.empty())
        html += "<p class=\"empty\">没有找到相关内容</p>\r\n";
    html += "</ul>\r\n</div>\r\n<!--第1个广告 start-->\r\n<div class=\"ad\">演示广告位</div>\r\n<!--第1个广告 end-->\r\n"
            "<div class=\"s-result\">\r\n<ul>\r\n";
    for (size_t i = kSearchHitsBeforeAd; i < hits.size(); ++i)
        html += entry(*hits[i]);
    html += "</ul>\r\n</div>\r\n";
    return html + kFoot;
}

} // namespace pelizo::demo
