#include "ui/progress_throttle.h"

#include <utility>

namespace vomel::ui {

ProgressThrottle::ProgressThrottle(std::function<Clock::time_point()> now, std::chrono::milliseconds interval)
    : now_(std::move(now)), interval_(interval)
{
}

bool ProgressThrottle::due()
{
    const Clock::time_point now = now_();
    if (started_ && now - last_ < interval_) return false;
    started_ = true;
    last_ = now;
    return true;
}

}  // namespace vomel::ui
