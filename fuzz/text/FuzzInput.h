// Shared pieces of the text fuzz targets.
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace qv::fuzz {

// Aborts (a finding for the fuzzer) when an invariant does not hold.
void Check(bool condition);

// The input as lines, split at LF; at most maxLines lines.
std::vector<std::string> InputLines(const uint8_t* data, size_t size, size_t maxLines);

// True when text is well-formed UTF-8.
bool WellFormed(const std::string& text);

// Installs message boxes and an error dialog that answer at once.
void InstallQuietEnvironment();

}  // namespace qv::fuzz
