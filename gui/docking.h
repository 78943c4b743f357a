#pragma once
// When an advert window hides against a screen edge and when it comes back,
// as a pure function of the cursor, the window and the screen. Every length
// is in Qt's logical pixels (1/96 inch nominal), so the strip left on the
// screen has the same size whatever the screen's resolution.

#include <optional>

namespace vomel::gui {

// Docking starts this long after the window is shown.
inline constexpr long long DOCKING_DELAY_MS = 5000;
// The part of a hidden window left on the screen, in pixels.
inline constexpr int DOCKED_STRIP_PIXELS = 3;
// How far a revealed window stays beyond the edge, in pixels.
inline constexpr int REVEAL_OVERHANG_PIXELS = 1;
// A window this close to the top or left edge (pixels) counts as touching
// it; at the right edge the window must touch or pass the edge itself.
inline constexpr int EDGE_SNAP_PIXELS = 4;

// All in pixels, the window's frame included, relative to the screen's
// top-left corner.
struct DockingInput {
    long long msSinceShown = 0;
    bool minimised = false;
    int cursorX = 0;
    int cursorY = 0;
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int screenWidth = 0;
};

// The window's new top-left corner in pixels.
struct DockingMove {
    int left = 0;
    int top = 0;
    bool bringToFront = false;  // a revealed window comes to the front
};

// The window's new place, or nullopt to leave it where it is.
std::optional<DockingMove> dockingStep(const DockingInput& in);

}  // namespace vomel::gui
