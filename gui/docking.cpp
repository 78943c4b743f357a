#include "gui/docking.h"

namespace vomel::gui {

namespace {

bool cursorInside(const DockingInput& in)
{
    const PixelRect& r = in.windowRect;
    return r.left < in.cursorX && in.cursorX < r.right && r.top < in.cursorY && in.cursorY < r.bottom;
}

std::optional<DockingMove> reveal(const DockingInput& in)
{
    if (in.top < 0) return DockingMove{in.left, -REVEAL_OVERHANG_TWIPS, true};
    if (in.left < 0) return DockingMove{-REVEAL_OVERHANG_TWIPS, in.top, true};
    if (in.left + in.width >= in.screenWidth) {
        return DockingMove{in.screenWidth - in.width + REVEAL_OVERHANG_TWIPS, in.top, true};
    }
    return std::nullopt;
}

std::optional<DockingMove> hide(const DockingInput& in)
{
    if (in.windowRect.top <= EDGE_SNAP_PIXELS) {
        return DockingMove{in.left, DOCKED_STRIP_TWIPS - in.height, false};
    }
    if (in.windowRect.left <= EDGE_SNAP_PIXELS) {
        return DockingMove{DOCKED_STRIP_TWIPS - in.width, in.top, false};
    }
    // The right edge is tested on the twip properties, against the same 4.
    if (in.left + in.width >= in.screenWidth - EDGE_SNAP_PIXELS) {
        return DockingMove{in.screenWidth - DOCKED_STRIP_TWIPS, in.top, false};
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
