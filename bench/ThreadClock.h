#pragma once
// Processor time of the calling thread: what a paint costs, whatever else the
// shared machine is running at the same moment.

#include <ctime>

inline double ThreadSeconds()
{
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}
