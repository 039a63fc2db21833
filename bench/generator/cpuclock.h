#pragma once

#include <ctime>

namespace velkon::bench {

// CPU time of the calling thread in ms. The machine is shared, so wall time
// mostly measures the neighbours; and a worker thread's time is not the
// measured thread's.
inline double CpuMs() {
    timespec t;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

} // namespace velkon::bench
