// With PELIZO_TIMINGS=1 the application prints, to stderr, how many
// milliseconds after process start a few milestones were reached.
#pragma once

namespace pelizo {

void markProcessStart();
void reportTiming(const char* milestone);
bool timingsEnabled();

} // namespace pelizo
