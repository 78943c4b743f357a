#include "gui/docking.h"

namespace vomel::gui {

namespace {

bool cursorInside(const DockingInput& in)
{
    // The border itself is outside.
    return in.left < in.cursorX && in.cursorX < in.left + in.width && in.top < in.cursorY &&
           in.cursorY < in.top + in.height;
}

std::optional<DockingMove> reveal(const DockingInput& in)
{
    if (in.top < 0) return DockingMove{in.left, -REVEAL_OVERHANG_PIXELS, true};
    if (in.left < 0) return DockingMove{-REVEAL_OVERHANG_PIXELS, in.top, true};
    if (in.left + in.width >= in.screenWidth) {
        return DockingMove{in.screenWidth - in.width + REVEAL_OVERHANG_PIXELS, in.top, true};
    }
    return std::nullopt;
}

std::optional<DockingMove> hide(const DockingInput& in)
{
    if (in.top <= EDGE_SNAP_PIXELS) {
        return DockingMove{in.left, DOCKED_STRIP_PIXELS - in.height, false};
    }
    if (in.left <= EDGE_SNAP_PIXELS) {
        return DockingMove{DOCKED_STRIP_PIXELS - in.width, in.top, false};
    }
    if (in.left + in.width >= in.screenWidth) {
        return DockingMove{in.screenWidth - DOCKED_STRIP_PIXELS, in.top, false};
    }
    return std::nullopt;
}

}  // namespace

std::optional<DockingMove> dockingStep(const DockingInput& in)
{
    if (in.minimised || in.msSinceShown < DOCKING_DELAY_MS) return std::nullopt;
    return cursorInside(in) ? reveal(in) : hide(in);
}

}  // namespace vomel::gui
