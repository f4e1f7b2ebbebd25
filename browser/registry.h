// Read-only access to the system registry. Linux has none: every value reads
// as not present, unless a test put one in.
#pragma once

#include <map>
#include <string>

namespace pelizo::browser {

// The text value at "KEY\\PATH\\ValueName" under HKEY_LOCAL_MACHINE; empty when
// the key or the value is missing.
std::string readMachineRegistryText(const std::string& path);

// Values seen by readMachineRegistryText, for tests.
std::map<std::string, std::string>& registryValuesForTests();

} // namespace pelizo::browser
