#include "fuzz_checks.h"
#include "fuzz_entry.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  return stopOnFailure(checkCommandLineSplit(data, size));
}
