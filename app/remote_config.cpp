#include "app/remote_config.h"

#include "net/codepage.h"
#include "net/http_access.h"
#include "net/text.h"

namespace pelizo {

std::string utf8ToAnsi(const std::string& text) { return utf8ToGbk(text); }

int fetchRemoteConfig(const std::string& address, std::string& version, std::vector<std::string>& interfaces)
{
    const std::string text = utf8ToAnsi(HttpAccess(address));
    version = textBetween(text, "[\\", "/]");
    return static_cast<int>(textBetweenAll(text, "[[[", "]]]", interfaces));
}

} // namespace pelizo
