#pragma once
// Placement rules of the search window, kept free of any window system.

#include "runtime/menu/window_rules.h"

namespace vistel {

inline constexpr int kSearchWidth = 225;
inline constexpr int kSearchHeight = 315;

// First showing: over the main window's corner on screens up to 800 pixels
// wide, else just left of it.
[[nodiscard]] inline Point searchFormPlace(Point mainWindow, int screenWidth) {
    if (screenWidth <= 800)
        return {mainWindow.x + 5, mainWindow.y + 5};
    return {mainWindow.x - kSearchWidth, mainWindow.y};
}

// Snaps a window of width x height at p to the outer edges of other (the
// main window) within kSnapDistance pixels, side by side or edge to edge.
[[nodiscard]] inline Point snapToWindow(Point p, int width, int height, Rect other) {
    const auto near = [](int a, int b) { return a - b <= kSnapDistance && b - a <= kSnapDistance; };
    const int right = other.left + other.width, bottom = other.top + other.height;
    const bool overlapsV = p.y < bottom + kSnapDistance && p.y + height > other.top - kSnapDistance;
    const bool overlapsH = p.x < right + kSnapDistance && p.x + width > other.left - kSnapDistance;
    if (overlapsV) {
        if (near(p.x + width, other.left)) p.x = other.left - width;
        else if (near(p.x, right)) p.x = right;
        else if (near(p.x, other.left)) p.x = other.left;
        else if (near(p.x + width, right)) p.x = right - width;
    }
    if (overlapsH) {
        if (near(p.y + height, other.top)) p.y = other.top - height;
        else if (near(p.y, bottom)) p.y = bottom;
        else if (near(p.y, other.top)) p.y = other.top;
        else if (near(p.y + height, bottom)) p.y = bottom - height;
    }
    return p;
}

} // namespace vistel
