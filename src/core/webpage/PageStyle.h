#pragma once
// The style sheet of a web page of pictures: light or dark as the reader prefers, a phone's width, and print.

#include <QByteArray>
#include <QColor>

namespace PageStyle {

// pictureBackground: what the thumbnails stand on, the background of their drawings; none when transparent.
QByteArray sheet(const QColor& pictureBackground);

} // namespace PageStyle
