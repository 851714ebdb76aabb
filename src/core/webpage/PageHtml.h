#pragma once
// The page itself: index.html of a run, in generations with lines from parents to children, or of a gallery.

#include "core/webpage/WebPicture.h"

#include <QByteArray>

#include <vector>

namespace PageHtml {

// pictures in the order they came, each below its deepest parent among them.
QByteArray run(const std::vector<WebPicture>& pictures);
// pictures in a grid, in their order.
QByteArray gallery(const std::vector<WebPicture>& pictures);

} // namespace PageHtml
