// With PELIZO_TIMINGS=1 the application prints, to stderr, how many
// milliseconds after process start a few milestones were reached.
#pragma once

namespace pelizo {

void markProcessStart();
void reportTiming(const char* milestone);
bool timingsEnabled();

// The episode double-click; the next reportSinceEpisodeChosen prints the
// milliseconds since then, once.
void markEpisodeChosen();
void reportSinceEpisodeChosen(const char* milestone);
// The process's peak resident memory so far.
void reportPeakMemory(const char* when);

} // namespace pelizo
