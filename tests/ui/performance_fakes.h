// Stand-ins for what the performance page reaches beyond the toolkit and the
// portable hardware code: the power scheme, the settings store, the screens
// the panel builder makes and the UI language. The RyzenAdj, EC, ADLX and
// adapter edges come from tests/power/power_fakes.h.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

struct PerformanceFakes {
  uint32_t scheme_cpu[2] = {100, 100};   // AC, DC
  uint32_t scheme_boost[2] = {1, 1};
  bool scheme_fails = false;             // no active scheme to be had
  int scheme_reads = 0;
  std::vector<std::string> scheme_writes;  // "cpu 70", "boost 0"
  std::map<std::string, int32_t> stored;   // registry values written
  std::vector<std::string> store_calls;    // "TDP 25" (committed), "GPUAuto =1" (plain)

  void reset();
};

extern PerformanceFakes performance_fakes;
