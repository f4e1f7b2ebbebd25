// The texts the details tab composes from a scraped page (code page 936).
#pragma once

#include "scrape/film_scraper.h"
#include "scrape/series_scraper.h"

#include <string>

namespace pelizo {

std::string filmInformationText(const FilmDetail& d);
std::string seriesInformationText(const SeriesDetail& d);
std::string filmScoreLine(const FilmDetail& d);
std::string seriesScoreLine(const SeriesDetail& d);

// "第" n "集"
std::string episodeLabel(int n);
extern const char* const kFeatureLabel;  // "正片"
extern const char* const kNoSourceLabel; // "暂无播放地址"

} // namespace pelizo
