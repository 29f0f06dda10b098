#include "Timing_win.h"

#include <windows.h>

#include <algorithm>
#include <limits>

namespace corvella::bench {

double MicrosecondsPerCall(const std::function<void()>& work, int repeats, int rounds) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    double best = std::numeric_limits<double>::max();
    for (int round = 0; round < rounds; ++round) {
        LARGE_INTEGER start, end;
        QueryPerformanceCounter(&start);
        for (int i = 0; i < repeats; ++i) work();
        QueryPerformanceCounter(&end);
        double us = 1e6 * static_cast<double>(end.QuadPart - start.QuadPart) /
                    static_cast<double>(frequency.QuadPart) / repeats;
        best = std::min(best, us);
    }
    return best;
}

}  // namespace corvella::bench
