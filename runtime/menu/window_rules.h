#pragma once
// Geometry rules of the menu's windows, kept free of any window system so
// they can be checked directly.

namespace vistel {

struct Point {
    int x = 0, y = 0;
    friend bool operator==(const Point&, const Point&) = default;
};
struct Rect {
    int left = 0, top = 0, width = 0, height = 0;
};

inline constexpr int kFormWidth = 635;
inline constexpr int kFormHeight = 445;
inline constexpr int kSnapDistance = 20;

// Where a dragged window ends up: kept within limits (left 0..maxLeft, top
// 0..maxTop) and snapped to the screen edges within kSnapDistance pixels.
[[nodiscard]] Point dragTo(Point wanted, Rect screen, int width, int height, int maxLeft,
                           int maxTop);

// The info viewer sizes itself to its text: NFO style over 40 lines gets a
// 400-pixel view in a 450-pixel window, else 15 pixels per line and 50 more;
// text style over 25 lines 400 and 450, else 20 per line and 70 more.
struct ViewerSize {
    int view = 0, window = 0;
};
[[nodiscard]] ViewerSize infoViewerSize(bool nfoStyle, int lines);
// Top of the viewer centred vertically on the screen, never above 0.
[[nodiscard]] int infoViewerTop(int screenHeight, int windowHeight);

// Where the free thumbnail window first appears: over the main window's
// right part on screens narrower than 800 pixels, else right beside it.
[[nodiscard]] Point freeThumbnailPlace(Point mainWindow, int screenWidth);
// The docked thumbnail window over the details panel.
[[nodiscard]] inline Point dockedThumbnailPlace(Point mainWindow) {
    return {mainWindow.x + 285, mainWindow.y + 129};
}

} // namespace vistel
