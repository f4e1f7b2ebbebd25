#include "app/timings.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include <sys/resource.h>

namespace pelizo {
namespace {

std::chrono::steady_clock::time_point gEpisodeChosen;
bool gEpisodePending = false;

std::chrono::steady_clock::time_point& processStart()
{
    static auto start = std::chrono::steady_clock::now();
    return start;
}

} // namespace

void markProcessStart() { processStart() = std::chrono::steady_clock::now(); }

bool timingsEnabled()
{
    const char* value = std::getenv("PELIZO_TIMINGS");
    return value && std::strcmp(value, "1") == 0;
}

void reportTiming(const char* milestone)
{
    if (!timingsEnabled())
        return;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now()
                                                                          - processStart())
                        .count();
    std::fprintf(stderr, "pelizo timing: %s after %lld ms\n", milestone, static_cast<long long>(ms));
}

void markEpisodeChosen()
{
    gEpisodeChosen = std::chrono::steady_clock::now();
    gEpisodePending = true;
}

void reportSinceEpisodeChosen(const char* milestone)
{
    if (!gEpisodePending || !timingsEnabled())
        return;
    gEpisodePending = false;
    const auto ms = std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now()
                                                                          - gEpisodeChosen)
                        .count();
    std::fprintf(stderr, "pelizo timing: %s %lld ms after the episode double-click\n", milestone,
                 static_cast<long long>(ms));
}

void reportPeakMemory(const char* when)
{
    if (!timingsEnabled())
        return;
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    std::fprintf(stderr, "pelizo timing: peak memory %ld KiB %s\n", usage.ru_maxrss, when);
}

} // namespace pelizo
