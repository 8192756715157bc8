#pragma once

#include <cstdio>
#include <cstdlib>
#include <string>

// Ends the run on a failed property, so that libFuzzer keeps the input that broke it.
inline int stopOnFailure(const std::string& failure) {
  if (failure.empty()) return 0;
  std::fprintf(stderr, "property failed: %s\n", failure.c_str());
  std::abort();
}
