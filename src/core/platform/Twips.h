#pragma once
// Window layouts and drawing coordinates are given in twips; this is the one place they become pixels.

#include <QRect>

namespace Twips {

inline constexpr int perPixel = 15;

constexpr int toPixels(int twips)
{
    // Rounded to the nearest pixel; every layout figure of the program is a multiple of 15.
    return (twips >= 0 ? twips + perPixel / 2 : twips - perPixel / 2) / perPixel;
}

constexpr QRect toPixels(int left, int top, int width, int height)
{
    return { toPixels(left), toPixels(top), toPixels(width), toPixels(height) };
}

} // namespace Twips
