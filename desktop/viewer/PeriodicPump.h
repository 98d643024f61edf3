#pragma once

#include <chrono>

namespace orvane {

// Lets pending window events run during a long loop, at most once per interval, through the
// host's event pump (Qt's event processing in the desktop program).
class PeriodicPump {
  public:
    using Clock = std::chrono::steady_clock;

    explicit PeriodicPump(std::chrono::milliseconds interval = std::chrono::milliseconds(25));

    bool due() const { return Clock::now() - last_ >= interval_; }
    void pump();
    // Pumps if the interval has passed; returns whether it did.
    bool tick();

  private:
    std::chrono::milliseconds interval_;
    Clock::time_point last_;
};

}  // namespace orvane
