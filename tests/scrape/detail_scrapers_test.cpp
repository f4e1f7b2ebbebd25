#include "scrape/film_scraper.h"
#include "scrape/series_scraper.h"

#include <gtest/gtest.h>

using namespace pelizo;

namespace {

const std::string kFilmPage = R"(<html><head><meta charset="gbk"></head><body>
<!-- 介绍 -->
<div><img src="//i/p.jpg" title="海报"><h1>长安往事</h1>
<em class="emScore">8.6</em>
<ul>
<li><em>主演：</em><a href="/s/1">张三</a><a href="/s/2">李四</a><a href="/s/3">王五</a></li>
<li><em>导演：</em><a href="#">导演甲</a><a href="#">导演乙</a></li>
<li><em>类型：</em><a href="#">动作</a><a href="#">剧情</a></li>
<li><em>时长：</em><em>118分钟</em></li>
<li><em>年代：</em><em>2015</em></li>
<li><em>地区：</em><a href="#">中国大陆</a><a href="#">中国香港</a></li>
<li><em>简介：</em><span class="sAll">一段跨越十年的约定。</span></li>
</ul></div>
<!-- 介绍 -->
<!-- 播放 -->
<a href="http://jia.example/play/1.html" target="_blank"><img src="//i/jia.png" alt="" /> 甲视频 </a>
<a href="http://yi.example/play/1.html?x=1&amp;y=2"><IMG SRC="//i/yi.png">乙视频</a>
<!-- 播放 -->
</body></html>)";

} // namespace

TEST(FilmScraper, EveryFieldOfTheIntroduction)
{
    FilmDetail d;
    d.title = "stale";
    EXPECT_TRUE(parseFilmInfo(kFilmPage, d));
    EXPECT_EQ(d.title, "长安往事");
    EXPECT_EQ(d.score, "8.6");
    EXPECT_EQ(d.cast, "张三、李四、王五、");
    EXPECT_EQ(d.director, "导演甲");
    EXPECT_EQ(d.genre, "动作");
    EXPECT_EQ(d.duration, "118分钟");
    EXPECT_EQ(d.year, "2015");
    EXPECT_EQ(d.region, "中国大陆");
    EXPECT_EQ(d.synopsis, "一段跨越十年的约定。");
}

TEST(FilmScraper, MissingBlockGivesEmptyFields)
{
    FilmDetail d;
    d.title = d.cast = "stale";
    const std::string once = "<!-- 介绍 --><h1>x</h1>";
    EXPECT_FALSE(parseFilmInfo(once, d));
    EXPECT_EQ(d.title, "");
    EXPECT_EQ(d.cast, "");
    EXPECT_EQ(d.synopsis, "");
}

TEST(FilmScraper, SourcesAsTheyStandInPageOrder)
{
    std::vector<FilmSource> sources(4);
    ASSERT_EQ(parseFilmSources(kFilmPage, sources), 2);
    ASSERT_EQ(sources.size(), 2u);
    EXPECT_EQ(sources[0].name, " 甲视频 ");
    EXPECT_EQ(sources[0].playUrl, "http://jia.example/play/1.html");
    EXPECT_EQ(sources[1].name, "乙视频");
    EXPECT_EQ(sources[1].playUrl, "http://yi.example/play/1.html?x=1&amp;y=2");

    EXPECT_EQ(parseFilmSources("<!-- 播放 --><p>none</p><!-- 播放 -->", sources), 0);
    EXPECT_TRUE(sources.empty());
}

namespace {

const char* const kBegin = "<!-- 集数（show=1的时候显示完整列表，show=2时显示更多按钮） begin-->";
const char* const kEnd = "<!-- 集数（show=1的时候显示完整列表，show=2时显示更多按钮） end-->";

std::string seriesPage(const std::string& castLine, const std::string& tabs, const std::vector<std::string>& blocks)
{
    std::string page = "<html><body>\r\n<!-- 介绍 -->\r\n<img src=\"//i/p.jpg\" title=\"故园之恋\" alt=\"x\">\r\n"
                       "<em class=\"emScore\">7.9</em><em class=\"emNum\">更新至&nbsp;第 12\r\n集</em>\r\n<ul>"
                       "<li><em>主演：</em>" + castLine + "</li>\r\n"
                       "<li><em>导演：</em><a href=\"#\">导演丙</a><a href=\"#\">x</a></li>\r\n"
                       "<li><em>类型：</em><a href=\"#\">言情</a></li>\r\n"
                       "<li><em>年代：</em><a href=\"#\">2016</a></li>\r\n"
                       "<li><em>地区：</em><a href=\"#\">韩国</a></li>\r\n"
                       "<li><em>简介：</em><span>小城里的平凡日子。</span><span>二</span></li></ul>\r\n"
                       "<!-- 播放源标签 -->" + tabs + "<!-- 播放源标签 -->\r\n";
    for (const auto& b : blocks)
        page += std::string(kBegin) + "\r\n" + b + "\r\n" + kEnd + "\r\n";
    return page + "<!-- 介绍 -->\r\n</body></html>";
}

std::string tab(const std::string& text) { return "<a href=\"javascript:;\"><img src=\"//i/icon.png\">" + text + "</a>\r\n"; }

const std::string kFourCast = "<a>甲</a><a>乙</a><a>丙</a><a>更多</a>";

} // namespace

TEST(SeriesScraper, EveryFieldOfTheIntroduction)
{
    SeriesDetail d;
    EXPECT_TRUE(parseSeriesInfo(seriesPage(kFourCast, "", {}), d));
    EXPECT_EQ(d.title, "故园之恋");
    EXPECT_EQ(d.episodeCount, "更新至第12集");
    EXPECT_EQ(d.score, "7.9");
    EXPECT_EQ(d.cast, "甲、乙、丙、");
    EXPECT_EQ(d.director, "导演丙");
    EXPECT_EQ(d.genre, "言情");
    EXPECT_EQ(d.year, "2016");
    EXPECT_EQ(d.region, "韩国");
    EXPECT_EQ(d.synopsis, "小城里的平凡日子。");

    EXPECT_TRUE(parseSeriesInfo(seriesPage("<a>独角</a>", "", {}), d));
    EXPECT_EQ(d.cast, "");
    EXPECT_FALSE(parseSeriesInfo("<!-- 介绍 -->", d));
    EXPECT_EQ(d.title, "");
}

TEST(SeriesScraper, EpisodeCountKeepsALoneLineFeed)
{
    SeriesDetail d;
    std::string page = seriesPage(kFourCast, "", {});
    page.replace(page.find("第 12\r\n集"), 9, "第 12\n集");
    parseSeriesInfo(page, d);
    EXPECT_EQ(d.episodeCount, "更新至第12\n集");
}

TEST(SeriesScraper, SourcesWithTheirEpisodeBlocks)
{
    const std::string tabs = tab("\r\n甲视频 ") + tab("yi") + tab("丙 视频");
    const std::vector<std::string> blocks = {
        // Query parts are dropped; the order of the links is kept.
        "<a href=\"http://jia.example/p/1-2.html?from=x\">2</a><A HREF=\"http://jia.example/p/1-1.html?from=x\">1</A>",
        // Links without a query end at their closing quote, the last one included.
        "<a href=\"http://yi.example/p/1.html\">1</a> 第二集 <a href=\"http://yi.example/p/2.html?a\">2</a>"
        "<a href=\"http://yi.example/p/3.html\">3</a>",
    };
    std::vector<SeriesSource> sources(1, SeriesSource{"stale", {"x"}});
    ASSERT_EQ(parseSeriesSources(seriesPage(kFourCast, tabs, blocks), sources), 3);
    ASSERT_EQ(sources.size(), 3u);
    EXPECT_EQ(sources[0].name, "\r\n甲视频");
    EXPECT_EQ(sources[0].episodes, (std::vector<std::string>{"http://jia.example/p/1-2.html", "http://jia.example/p/1-1.html"}));
    EXPECT_EQ(sources[1].name, "");
    EXPECT_EQ(sources[1].episodes, (std::vector<std::string>{"http://yi.example/p/1.html", "http://yi.example/p/2.html",
                                                              "http://yi.example/p/3.html"}));
    // No block of its own: an empty episode list.
    EXPECT_EQ(sources[2].name, "丙视频");
    EXPECT_TRUE(sources[2].episodes.empty());

    EXPECT_EQ(parseSeriesSources(seriesPage(kFourCast, "<p>no tabs</p>", blocks), sources), 0);
    EXPECT_TRUE(sources.empty());
}

TEST(SeriesScraper, KeepNonAscii)
{
    EXPECT_EQ(keepNonAscii("a中 b\t文~\x7f"), "中\t文");
    EXPECT_EQ(keepNonAscii("abc"), "");
}
