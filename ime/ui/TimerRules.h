// Elapsed-time tests of the candidate window's timers, on the 32-bit tick count.
#pragma once

#include <cstdint>

constexpr std::int64_t kAutoHideDelayMs = 5000;

// True when more than limitMs have passed from base to now. The difference is taken as a
// signed 64-bit value, so a tick count that wrapped below its base counts as not elapsed.
constexpr bool ElapsedMoreThan(std::uint32_t now, std::uint64_t base, std::int64_t limitMs) {
  return static_cast<std::int64_t>(now) - static_cast<std::int64_t>(base) > limitMs;
}
