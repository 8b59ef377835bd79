#pragma once
// Points, sizes and rectangles of the core's window arithmetic, in pixels.
// Rectangles follow the desktop convention: right and bottom lie just outside.

namespace platform {

struct Point
{
    int x = 0;
    int y = 0;

    bool operator==(const Point&) const = default;
};

struct Size
{
    int cx = 0;
    int cy = 0;

    bool operator==(const Size&) const = default;
};

struct Rect
{
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    constexpr int Width() const { return right - left; }
    constexpr int Height() const { return bottom - top; }
    constexpr bool IsEmpty() const { return right <= left || bottom <= top; }
    bool operator==(const Rect&) const = default;
};

} // namespace platform
