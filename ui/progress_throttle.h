#pragma once
// Limits how often a long run repaints: painting every point of a large
// coordinate file would cost more than solving it.

#include <chrono>
#include <functional>

namespace vomel::ui {

class ProgressThrottle {
public:
    using Clock = std::chrono::steady_clock;

    // About twenty repaints a second.
    static constexpr std::chrono::milliseconds DEFAULT_INTERVAL{50};

    explicit ProgressThrottle(std::function<Clock::time_point()> now = Clock::now,
                              std::chrono::milliseconds interval = DEFAULT_INTERVAL);

    // True for the first call and then whenever the interval has passed
    // since the last call that returned true.
    bool due();

private:
    std::function<Clock::time_point()> now_;
    std::chrono::milliseconds interval_;
    bool started_ = false;
    Clock::time_point last_{};
};

}  // namespace vomel::ui
