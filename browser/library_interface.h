// The browser library as the binding sees it: entry points called by name,
// as from a library bound at run time. Two implementations exist: the one
// over Qt WebEngine that the application uses, and a recording fake in the
// tests.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace pelizo::browser {

class Wrapper;
struct BrowserSettings;
class BrowserEventHandler;

// A buffer the library fills (text and bytes getters).
struct OutBuffer {
    char* data = nullptr;
    int size = 0;
};

// Bytes handed to the library.
struct InBytes {
    const char* data = nullptr;
    int size = 0;
};

// One argument of an entry point. Texts are code page 936.
using Arg = std::variant<std::monostate, std::int64_t, double, std::string, OutBuffer, InBytes, Wrapper*,
                         const BrowserSettings*, BrowserEventHandler*>;

struct CallResult {
    std::int64_t integer = 0;
    double real = 0;
};

class BrowserLibrary {
public:
    virtual ~BrowserLibrary() = default;
    // Calls the entry point of that name; unknown entry points do nothing
    // and return 0.
    virtual CallResult call(std::string_view entryPoint, const std::vector<Arg>& args) = 0;
};

// The library the binding talks to. Until one is installed, a library that
// does nothing answers every call.
BrowserLibrary& browserLibrary();
void installBrowserLibrary(std::unique_ptr<BrowserLibrary> library);

} // namespace pelizo::browser
