#include "app/version_check.h"

#include "net/inet_access.h"
#include "net/text.h"

namespace pelizo {

const char* const builtInVersion = "4.9";

bool versionDiffers(const std::string& latestVersion) { return latestVersion != builtInVersion; }

UpdateInfo fetchUpdateInfo(const std::string& configUrl)
{
    UpdateInfo info;
    info.notes = textBetweenAnyCase(InetAccess(configUrl), "{", "}");
    info.number = textBetweenAnyCase(InetAccess(configUrl), "[\\", "/]");
    return info;
}

} // namespace pelizo
