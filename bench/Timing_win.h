#pragma once
// Wall-clock timing for the benchmarks that run under Wine: the best of a few
// rounds, each repeating the work enough times to be measurable.
#include <functional>

namespace corvella::bench {

// Microseconds per call of `work`: the fastest of `rounds` rounds of
// `repeats` calls each.
double MicrosecondsPerCall(const std::function<void()>& work, int repeats, int rounds = 5);

}  // namespace corvella::bench
