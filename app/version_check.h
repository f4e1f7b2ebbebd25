// The built-in version and what the update window reads from the
// configuration file (code page 936 texts).
#pragma once

#include <string>

namespace pelizo {

extern const char* const builtInVersion; // "4.9"

// True when the published version differs from the built-in one in any way
// (an older number, a blank, an empty text).
bool versionDiffers(const std::string& latestVersion);

struct UpdateInfo {
    std::string notes;  // between "{" and "}", line breaks included
    std::string number; // between "[\" and "/]"
};

// Fetches the configuration file twice with the second web client, as the
// update window does: once for the notes, once for the number.
UpdateInfo fetchUpdateInfo(const std::string& configUrl);

} // namespace pelizo
