#pragma once
// The timing of the benchmarks: a call repeated n times, its CPU time per call
// printed as median, 95th percentile and maximum.
#include <QString>
#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

// CPU time of the process in milliseconds.
inline double cpuMs()
{
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return t.tv_sec * 1e3 + t.tv_nsec / 1e6;
}

template <typename F> void messreihe(const QString& was, F&& aufruf, int n = 500)
{
    std::vector<double> z;
    for (int i = 0; i < n; ++i) {
        const double a = cpuMs();
        aufruf();
        z.push_back(cpuMs() - a);
    }
    std::sort(z.begin(), z.end());
    std::printf("%-40s n=%zu  median %.3f ms  95th %.3f ms  max %.3f ms\n", qPrintable(was), z.size(), z[z.size() / 2],
                z[z.size() * 95 / 100], z.back());
}
