// pelizo-cli: the system's web clients and scrapers from a terminal.
// Arguments arrive in UTF-8 and are converted to code page 936; everything
// printed is UTF-8, JSON on stdout.
#include "app/remote_config.h"
#include "app/settings.h"
#include "cli/commands.h"
#include "cli/json.h"
#include "net/codepage.h"
#include "net/http_access.h"

#include <cstdio>
#include <iostream>
#include <map>
#include <string>
#include <vector>

namespace pelizo::cli {
namespace {

constexpr int kFound = 0;
constexpr int kEmpty = 1;
constexpr int kBadArguments = 2;

const char* const kUsage =
    "usage:\n"
    "  pelizo-cli fetch URL\n"
    "  pelizo-cli config [URL]\n"
    "  pelizo-cli listing --category 1|2 [--type CODE] [--year CODE] [--page N]\n"
    "  pelizo-cli search KEYWORD\n"
    "  pelizo-cli film URL\n"
    "  pelizo-cli series URL\n";

int fetchCommand(const std::vector<std::string>& args)
{
    if (args.size() != 1)
        return kBadArguments;
    std::string status;
    HttpAccessArgs options;
    options.errorText = &status;
    const std::string body = HttpAccess(args[0], options);
    const std::string utf8 = gbkToUtf8(body);
    std::fwrite(utf8.data(), 1, utf8.size(), stdout);
    std::cerr << gbkToUtf8(status) << '\n';
    return body.empty() ? kEmpty : kFound;
}

int configCommand(const std::vector<std::string>& args)
{
    if (args.size() > 1)
        return kBadArguments;
    const std::string address = args.empty() ? currentSettings().configUrl : args[0];
    std::string version;
    std::vector<std::string> interfaces;
    const int count = fetchRemoteConfig(address, version, interfaces);
    std::vector<std::string> encoded;
    for (const auto& entry : interfaces)
        encoded.push_back(jsonText(entry));
    std::cout << jsonObject({{"interfaces", jsonArray(encoded)}, {"latestVersion", jsonText(version)}}) << '\n';
    return count > 0 ? kFound : kEmpty;
}

} // namespace

int run(int argc, char** argv)
{
    const std::map<std::string, int (*)(const std::vector<std::string>&)> commands = {
        {"fetch", fetchCommand},   {"config", configCommand}, {"listing", listingCommand},
        {"search", searchCommand}, {"film", filmCommand},     {"series", seriesCommand},
    };
    if (argc < 2 || !commands.count(argv[1])) {
        std::cerr << kUsage;
        return kBadArguments;
    }
    std::vector<std::string> args;
    for (int i = 2; i < argc; ++i)
        args.push_back(utf8ToGbk(argv[i]));
    const int code = commands.at(argv[1])(args);
    if (code == kBadArguments)
        std::cerr << kUsage;
    return code;
}

} // namespace pelizo::cli

int main(int argc, char** argv) { return pelizo::cli::run(argc, argv); }
