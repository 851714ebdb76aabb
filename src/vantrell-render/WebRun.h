#pragma once
// vantrell-render --web: the files read in their order and written as one web page, those that cannot be read left
// out.

#include "vantrell-render/RenderRequest.h"

#include <QStringList>

namespace WebRun {

// Gives what failed, each naming its file with the reason: files that cannot be read or drawn, which the page leaves
// out, or the folder, when it is refused or cannot be written, which leaves nothing written.
QStringList run(const RenderRequest& request);

} // namespace WebRun
