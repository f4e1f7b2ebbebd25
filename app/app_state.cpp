#include "app/app_state.h"

namespace pelizo {
namespace {

std::unique_ptr<AppState>& slot()
{
    static std::unique_ptr<AppState> state;
    return state;
}

} // namespace

void createGlobalState() { slot() = std::make_unique<AppState>(); }

void releaseGlobalState() { slot().reset(); }

AppState& appState()
{
    if (!slot())
        createGlobalState();
    return *slot();
}

} // namespace pelizo
