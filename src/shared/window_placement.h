#pragma once
// Where a busy window goes: centred on a point of the screen, keeping its size.
#include <cstdint>
#include <optional>

namespace shared {

struct Point {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

struct Rect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;
};

// ((left + right) / 2, (top + bottom) / 2), each half truncated toward zero.
Point CentreOf(const Rect& rect);

// The top-left corner that puts the centre of a width x height window on centre;
// an odd size leaves the extra pixel on the right or bottom.
Point OriginCentredOn(Point centre, std::int32_t width, std::int32_t height);

// The new top-left corner of window, or nothing when centre is (0, 0): that
// point means "leave the window where its template puts it".
std::optional<Point> PlacementFor(const Rect& window, Point centre);

}  // namespace shared
