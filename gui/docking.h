#pragma once
// When an advert window hides against a screen edge and when it comes back,
// as a pure function of the cursor, the window and the screen.
//
// The edge tests on the window rectangle are in pixels; the window's
// position and size, the screen width and every move are in twips
// (1/1440 inch), so the strip left on the screen is 40 twips wide whatever
// the screen's resolution.

#include <optional>

namespace vomel::gui {

// Docking starts this long after the window is shown.
inline constexpr long long DOCKING_DELAY_MS = 5000;
// The part of a hidden window left on the screen, in twips.
inline constexpr int DOCKED_STRIP_TWIPS = 40;
// How far a revealed window stays beyond the edge, in twips.
inline constexpr int REVEAL_OVERHANG_TWIPS = 10;
// A window this close to an edge (pixels) counts as touching it.
inline constexpr int EDGE_SNAP_PIXELS = 4;

struct PixelRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
};

struct DockingInput {
    long long msSinceShown = 0;
    bool minimised = false;
    int cursorX = 0;  // pixels
    int cursorY = 0;
    PixelRect windowRect;  // pixels, frame included
    int left = 0;  // twips
    int top = 0;
    int width = 0;
    int height = 0;
    int screenWidth = 0;  // twips
};

struct DockingMove {
    int left = 0;  // twips
    int top = 0;
    bool bringToFront = false;  // a revealed window comes to the front
};

// The window's new place, or nullopt to leave it where it is.
std::optional<DockingMove> dockingStep(const DockingInput& in);

}  // namespace vomel::gui
