#include "browser/library_interface.h"

namespace pelizo::browser {
namespace {

class AbsentLibrary : public BrowserLibrary {
public:
    CallResult call(std::string_view, const std::vector<Arg>&) override { return {}; }
};

std::unique_ptr<BrowserLibrary>& slot()
{
    static std::unique_ptr<BrowserLibrary> library = std::make_unique<AbsentLibrary>();
    return library;
}

} // namespace

BrowserLibrary& browserLibrary() { return *slot(); }

void installBrowserLibrary(std::unique_ptr<BrowserLibrary> library)
{
    slot() = library ? std::move(library) : std::make_unique<AbsentLibrary>();
}

} // namespace pelizo::browser
