#include "harness/ResidentMemory.h"

#include <fstream>
#include <malloc.h>
#include <unistd.h>

namespace ResidentMemory {

double bytes()
{
    malloc_trim(0);
    std::ifstream statm("/proc/self/statm");
    long sizePages = 0;
    long residentPages = 0;
    statm >> sizePages >> residentPages;
    return static_cast<double>(residentPages) * static_cast<double>(sysconf(_SC_PAGESIZE));
}

} // namespace ResidentMemory
