// The time the Windows benchmark programs report: the median of rounds.
#pragma once
#include <windows.h>

#include <algorithm>
#include <functional>
#include <vector>

namespace ventro::bench {

// The median time in milliseconds of `rounds` runs of `work`.
inline double MedianMs(int rounds, const std::function<void()>& work)
{
    LARGE_INTEGER f;
    QueryPerformanceFrequency(&f);
    std::vector<double> times;
    for (int i = 0; i < rounds; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        work();
        QueryPerformanceCounter(&b);
        times.push_back(double(b.QuadPart - a.QuadPart) * 1000.0 / double(f.QuadPart));
    }
    std::sort(times.begin(), times.end());
    return times[times.size() / 2];
}

} // namespace ventro::bench
