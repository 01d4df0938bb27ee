#include "bench_report.h"

#include <algorithm>
#include <chrono>
#include <cstdio>

double secondsNow()
{
    using Clock = std::chrono::steady_clock;
    return std::chrono::duration<double>(Clock::now().time_since_epoch()).count();
}

double median(double* values, int count)
{
    std::sort(values, values + count);
    return count % 2 ? values[count / 2] : (values[count / 2 - 1] + values[count / 2]) / 2.0;
}

void report(const char* name, double value, const char* unit)
{
    std::printf("%s\t%.3f\t%s\n", name, value, unit);
    std::fflush(stdout);
}
