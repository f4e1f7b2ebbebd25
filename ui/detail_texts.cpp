#include "ui/detail_texts.h"

namespace pelizo {

const char* const kFeatureLabel = "正片";
const char* const kNoSourceLabel = "暂无播放地址";

std::string filmInformationText(const FilmDetail& d)
{
    return " 类型：" + d.genre + "   年代：" + d.year + "   地区：" + d.region + "\r\n 导演：" + d.director
        + "\r\n 主演：" + d.cast + "\r\n\r\n 简介：" + d.synopsis;
}

std::string seriesInformationText(const SeriesDetail& d)
{
    return "类型：" + d.genre + "   年代：" + d.year + "   地区：" + d.region + "\r\n导演：" + d.director + "\r\n主演："
        + d.cast + "\r\n简介：\r\n" + d.synopsis;
}

std::string filmScoreLine(const FilmDetail& d) { return "评分：" + d.score; }

std::string seriesScoreLine(const SeriesDetail& d) { return "评分：" + d.score + "    集数：" + d.episodeCount; }

std::string episodeLabel(int n) { return "第" + std::to_string(n) + "集"; }

} // namespace pelizo
