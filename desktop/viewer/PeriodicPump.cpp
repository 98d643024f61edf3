#include "viewer/PeriodicPump.h"

#include "core/Host.h"

namespace orvane {

PeriodicPump::PeriodicPump(std::chrono::milliseconds interval)
    : interval_(interval), last_(Clock::now()) {}

void PeriodicPump::pump() {
    Host::DoEvents();
    last_ = Clock::now();
}

bool PeriodicPump::tick() {
    if (!due()) return false;
    pump();
    return true;
}

}  // namespace orvane
