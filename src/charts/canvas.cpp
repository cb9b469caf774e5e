#include "charts/canvas.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>

namespace greenfold {

std::uint32_t palettergb(int n) {
    static constexpr std::array<std::uint32_t, 16> rgb{
        0x000000, 0x000080, 0x008000, 0x008080, 0x800000, 0x800080, 0x808000, 0xC0C0C0,
        0x808080, 0x0000FF, 0x00FF00, 0x00FFFF, 0xFF0000, 0xFF00FF, 0xFFFF00, 0xFFFFFF};
    return rgb[std::size_t(n & 15)];
}

void Canvas::clear() {
    erase();
    x_ = 0;
    y_ = 0;
}

void Canvas::move(double x, double y) {
    x_ = x;
    y_ = y;
}

void Canvas::line(double x1, double y1, double x2, double y2) {
    drawline(x1, y1, x2, y2);
    x_ = x2;
    y_ = y2;
}

double wedgesweep(double start, double end) {
    constexpr double full = 2 * std::numbers::pi;
    double sweep = std::fmod(end - start, full);
    if (sweep <= 1e-6) sweep += full;
    return std::min(sweep, full);
}

} // namespace greenfold
