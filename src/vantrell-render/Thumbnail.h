#pragma once
// A genetic code file's thumbnail written as a file manager asks for it, as PNG.

#include <QString>

namespace Thumbnail {

// Writes input's thumbnail of size x size pixels as output. Nothing is written when input cannot be read or drawn;
// the error says why, and is empty when the thumbnail was written.
QString write(int size, const QString& input, const QString& output);

} // namespace Thumbnail
