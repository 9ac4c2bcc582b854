#include "runtime/menu/window_rules.h"

#include <algorithm>
#include <cstdlib>

namespace vistel {

Point dragTo(Point wanted, Rect screen, int width, int height, int maxLeft, int maxTop) {
    Point p = wanted;
    const int right = screen.left + screen.width - width;
    const int bottom = screen.top + screen.height - height;
    if (std::abs(p.x - screen.left) <= kSnapDistance)
        p.x = screen.left;
    else if (std::abs(p.x - right) <= kSnapDistance)
        p.x = right;
    if (std::abs(p.y - screen.top) <= kSnapDistance)
        p.y = screen.top;
    else if (std::abs(p.y - bottom) <= kSnapDistance)
        p.y = bottom;
    p.x = std::clamp(p.x, screen.left, std::max(screen.left, screen.left + maxLeft));
    p.y = std::clamp(p.y, screen.top, std::max(screen.top, screen.top + maxTop));
    return p;
}

ViewerSize infoViewerSize(bool nfoStyle, int lines) {
    if (lines < 1)
        lines = 1;
    if (nfoStyle)
        return lines > 40 ? ViewerSize{400, 450} : ViewerSize{15 * lines, 15 * lines + 50};
    return lines > 25 ? ViewerSize{400, 450} : ViewerSize{20 * lines, 20 * lines + 70};
}

int infoViewerTop(int screenHeight, int windowHeight) {
    return std::max(0, (screenHeight - windowHeight) / 2);
}

Point freeThumbnailPlace(Point mainWindow, int screenWidth) {
    if (screenWidth < 800)
        return {mainWindow.x + 494, mainWindow.y + 4};
    return {mainWindow.x + 635, mainWindow.y};
}

} // namespace vistel
