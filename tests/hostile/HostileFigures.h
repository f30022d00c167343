// The figures every driver of the hostile suite prints: one line per kind of input,
//   HOSTILE <name> inputs=N crashes=N ...
// read back by tools/hostile.sh into the suite's table. Counts a driver does not measure
// are left out of its line.
#pragma once

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <string>

struct HostileFigures {
  std::string name;
  std::map<std::string, long> counts;  // "inputs", "crashes", "overruns", ...

  long& operator[](const std::string& count) { return counts[count]; }
  // The sum of every count but the number of inputs: what must stay 0.
  long Faults() const {
    long faults = 0;
    for (const auto& [count, value] : counts)
      if (count != "inputs" && count != "lock_conflicts") faults += value;
    return faults;
  }
  void Print() const {
    std::string line = "HOSTILE " + name;
    for (const auto& [count, value] : counts) line += " " + count + "=" + std::to_string(value);
    std::printf("%s\n", line.c_str());
    std::fflush(stdout);
  }
};

// How many inputs to try: the short count of the test command, or the full count when the
// environment holds LMT_HOSTILE=full (tools/hostile.sh).
inline int HostileScale(int quick, int full) {
  const char* scale = std::getenv("LMT_HOSTILE");
  return scale && std::strcmp(scale, "full") == 0 ? full : quick;
}
