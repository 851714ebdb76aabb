#pragma once
// How much memory this process holds.

namespace ResidentMemory {

// The resident set size, in bytes, after handing freed heap pages back to the system, so that memory freed by
// closed windows does not hide what later ones take.
double bytes();

} // namespace ResidentMemory
