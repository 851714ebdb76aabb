#pragma once
// A genetic code file's thumbnail, as a file manager asks for it: the whole tree fitted into a square, smooth, on
// a transparent background, as PNG.

#include <QString>

namespace Thumbnail {

// The largest side asked for: file managers ask for 128 to 1024.
inline constexpr int MaxSize = 4096;

// Writes input's thumbnail of size x size pixels as output. Nothing is written when input cannot be read or drawn;
// the error says why, and is empty when the thumbnail was written.
QString write(int size, const QString& input, const QString& output);

} // namespace Thumbnail
