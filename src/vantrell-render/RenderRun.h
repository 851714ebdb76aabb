#pragma once
// One whole run: random codes first, then every picture in parallel, then the contact sheet; or an animation.

#include "vantrell-render/RenderRequest.h"

#include <QStringList>

namespace RenderRun {

// Carries out request and gives what failed, each naming its file with the reason, in the inputs' order.
QStringList run(const RenderRequest& request);

} // namespace RenderRun
