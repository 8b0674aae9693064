#include "SensorPlacement.h"

#include <algorithm>

ScreenBox PlaceBeside(const ScreenBox& main, int width, int height, const ScreenBox& screen) {
    const int screenRight = screen.x + screen.width;
    int x = screenRight - width;
    if (main.x + main.width + width <= screenRight) {
        x = main.x + main.width;
    } else if (main.x - width >= screen.x) {
        x = main.x - width;
    }
    const int y = std::clamp(main.y, screen.y, std::max(screen.y, screen.y + screen.height - height));
    return ScreenBox{std::max(x, screen.x), y, width, height};
}
