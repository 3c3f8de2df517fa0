// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// Small measuring helpers shared by the benchmarks.
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <ctime>
#include <sys/resource.h>

namespace bench {

// Peak resident memory of this process so far, in KiB (VmHWM).
inline long peakKiB()
{
    long kib = -1;
    if (FILE* status = std::fopen("/proc/self/status", "r")) {
        char line[256];
        while (std::fgets(line, sizeof line, status))
            if (std::strncmp(line, "VmHWM:", 6) == 0)
                kib = std::strtol(line + 6, nullptr, 10);
        std::fclose(status);
    }
    return kib;
}

// CPU time (user + system) used by this process so far, in milliseconds.
inline double cpuMs()
{
    rusage usage{};
    getrusage(RUSAGE_SELF, &usage);
    return usage.ru_utime.tv_sec * 1e3 + usage.ru_utime.tv_usec / 1e3 + usage.ru_stime.tv_sec * 1e3 +
           usage.ru_stime.tv_usec / 1e3;
}

// Milliseconds on the system-wide monotonic clock, so a parent and the child
// it starts can compare their readings.
inline double nowMs()
{
    timespec ts{};
    clock_gettime(CLOCK_MONOTONIC, &ts);
    return ts.tv_sec * 1e3 + ts.tv_nsec / 1e6;
}

// What a start-up probe prints once its first frame is on screen: the
// monotonic time then and its peak memory so far.
inline void printFirstFrame()
{
    std::printf("first-frame %.3f peak-kib %ld\n", nowMs(), peakKiB());
    std::fflush(stdout);
}

}  // namespace bench
