#include "browser/registry.h"

namespace pelizo::browser {

std::map<std::string, std::string>& registryValuesForTests()
{
    static std::map<std::string, std::string> values;
    return values;
}

std::string readMachineRegistryText(const std::string& path)
{
    const auto& values = registryValuesForTests();
    const auto it = values.find(path);
    return it == values.end() ? std::string() : it->second;
}

} // namespace pelizo::browser
