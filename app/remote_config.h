// The remote configuration file: parse interfaces "[[[...]]]", the latest
// version "[\.../]" and update notes "{...}" as marked spans of a UTF-8 text.
#pragma once

#include <string>
#include <vector>

namespace pelizo {

// Fetches the file and fills both outputs (replacing what they held).
// Returns the number of interfaces; any failure gives empty outputs and 0.
int fetchRemoteConfig(const std::string& address, std::string& version, std::vector<std::string>& interfaces);

// UTF-8 bytes to code page 936; characters it lacks become "?".
std::string utf8ToAnsi(const std::string& text);

} // namespace pelizo
