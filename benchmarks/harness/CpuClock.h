#pragma once
// The processor time spent so far: on a machine shared with other work, what a run costs rather than how long it
// waited.

namespace CpuClock {

// Milliseconds of the calling thread.
double threadMilliseconds();
// Milliseconds of every thread of this process together.
double processMilliseconds();

} // namespace CpuClock
