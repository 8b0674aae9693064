#pragma once

#include <cstdint>
#include <string>

// The capture's progress line for a terminal: a bar, the percentage and the
// seconds captured of the seconds asked for, e.g.
//   [##########..........]  50%  5.0 s of 10.0 s
std::string ProgressLine(std::uint64_t frames, std::uint64_t total, int sampleRate);
