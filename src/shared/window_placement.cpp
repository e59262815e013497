#include "shared/window_placement.h"

namespace shared {
namespace {

// Sums in 64 bits so that coordinates near the 32-bit limits cannot overflow;
// C++ division already truncates toward zero.
std::int32_t Half(std::int64_t value) { return static_cast<std::int32_t>(value / 2); }

}  // namespace

Point CentreOf(const Rect& rect) {
    return {Half(std::int64_t{rect.left} + rect.right), Half(std::int64_t{rect.top} + rect.bottom)};
}

Point OriginCentredOn(Point centre, std::int32_t width, std::int32_t height) {
    return {static_cast<std::int32_t>(centre.x - width / 2), static_cast<std::int32_t>(centre.y - height / 2)};
}

std::optional<Point> PlacementFor(const Rect& window, Point centre) {
    if (centre.x == 0 && centre.y == 0) return std::nullopt;
    return OriginCentredOn(centre, window.right - window.left, window.bottom - window.top);
}

}  // namespace shared
