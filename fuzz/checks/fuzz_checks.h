#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Each check feeds one input to a conversion and tests what must hold for every input.
// It returns a description of the first property that failed, or an empty string. The
// fuzz targets abort on a failure; the test suite replays the kept inputs through them.

// The typed countdown text (parseCountdownText and the tick arithmetic after it). The
// first byte picks the locale, the rest is the text in UTF-8.
std::string checkCountdownText(const uint8_t* data, size_t size);

// The launcher's Windows command-line splitting. The input is the line in UTF-8; it is
// also read as a list of arguments (separated by newlines) that is quoted and split back.
std::string checkCommandLineSplit(const uint8_t* data, size_t size);

// The stored-value conversions: placement numbers, tick states and the typed reads of
// the key catalogue. The first byte picks the locale and a key, the rest is the text.
std::string checkStoredValues(const uint8_t* data, size_t size);
