#pragma once
// The two logos of the About dialogs, drawn here rather than read from files: 48 by 48 pixels, 24 bits a pixel.

#include <QImage>

namespace Logos {

inline constexpr int Size = 48;

// The program's own: a small tree branching in two at every level, as its pictures do.
QImage Vantrell();

// The maker's, Corvane Software: a bird in flight inside a letter C.
QImage Corvane();

} // namespace Logos
