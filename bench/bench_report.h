#pragma once

// Every benchmark result is printed as one "name<TAB>value<TAB>unit" line
// that bench/run-bench.sh gathers into its table.

// Seconds on the steady clock.
double secondsNow();

// Median of the values (the array is reordered).
double median(double* values, int count);

void report(const char* name, double value, const char* unit);
