#pragma once

// What every benchmark prints: one figure a line, "name: value unit", each the median of
// several rounds timed in milliseconds.
#include <QElapsedTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

inline double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

inline double msSince(const QElapsedTimer& timer) {
  return double(timer.nsecsElapsed()) / 1e6;
}

inline void print(const char* name, double value, const char* unit) {
  std::printf("%s: %.2f %s\n", name, value, unit);
}
