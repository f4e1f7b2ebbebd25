// The global state the windows share, created at start-up and released by
// the exit routine.
//
// Everything but the atomics is read and written on the user-interface
// thread only; workers receive copies of what they need and hand their
// results back to that thread.
#pragma once

#include "scrape/film_scraper.h"
#include "scrape/series_scraper.h"

#include <atomic>
#include <memory>
#include <mutex>
#include <string>
#include <vector>

namespace pelizo {

struct AppState {
    std::vector<std::string> InterfaceList;
    std::string latestVersion;

    std::atomic<int> currentPage{0};
    std::atomic<int> pageCount{0};
    int listingCategory = 0;
    std::vector<std::string> listingItems;
    std::string typeCode;
    std::string yearCode;
    std::atomic<bool> listLoading{false};

    std::string currentDetailUrl;
    std::string currentEpisodeAddress;
    std::vector<FilmSource> filmSources;
    std::vector<SeriesSource> seriesSources;
    // Each opening of a title gets a new number; a details worker whose
    // number is no longer current has its results dropped.
    std::atomic<unsigned> detailsGeneration{0};

    // The player's browser state; the browser's events write it.
    std::atomic<int> browserWindowHandle{0};
    std::string lastPopupAddress;
    std::mutex lastPopupMutex;
    std::atomic<bool> fallbackUsed{false};
};

// Creates the global state (replacing any earlier one).
void createGlobalState();
// The exit routine: releases everything the global state holds.
void releaseGlobalState();
AppState& appState();

} // namespace pelizo
