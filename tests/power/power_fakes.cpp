#include "tests/power/power_fakes.h"

#include <cstdio>
#include <thread>

#include "hardware/adlx.h"
#include "hardware/display.h"
#include "hardware/ec.h"
#include "hardware/hardware_state.h"
#include "hardware/power.h"
#include "hardware/ryzenadj.h"

PowerFakes power_fakes;

void PowerFakes::reset() {
  std::lock_guard<std::mutex> guard(lock);
  trace.clear();
  for (uint8_t& byte : ec) byte = 0;
  ec_works = true;
  ac_line.clear();
  ac_line_after = 1;
  slow_calls = false;
  adapters = 1;
}

std::vector<std::string> PowerFakes::lines(const std::string& prefix) {
  std::lock_guard<std::mutex> guard(lock);
  std::vector<std::string> out;
  for (const std::string& line : trace) {
    if (line.compare(0, prefix.size(), prefix) == 0) out.push_back(line);
  }
  return out;
}

namespace {

void note(const char* format, unsigned a, unsigned b = 0) {
  char line[64];
  std::snprintf(line, sizeof(line), format, a, b);
  std::lock_guard<std::mutex> guard(power_fakes.lock);
  power_fakes.trace.push_back(line);
}

int setter(const char* name, uint32_t value) {
  if (power_fakes.slow_calls) {
    for (int i = 0; i < 20; ++i) std::this_thread::yield();
  }
  char format[48];
  std::snprintf(format, sizeof(format), "%s %%u", name);
  note(format, value);
  return 0;
}

}  // namespace

extern "C" {
ryzen_access init_ryzenadj(void) { return nullptr; }
void cleanup_ryzenadj(ryzen_access) {}
int set_stapm_limit(ryzen_access, uint32_t v) { return setter("stapm", v); }
int set_slow_limit(ryzen_access, uint32_t v) { return setter("slow", v); }
int set_fast_limit(ryzen_access, uint32_t v) { return setter("fast", v); }
int set_gfx_clk(ryzen_access, uint32_t v) { return setter("gfx", v); }
int set_min_gfxclk_freq(ryzen_access, uint32_t v) { return setter("min_gfx", v); }
int set_max_gfxclk_freq(ryzen_access, uint32_t v) { return setter("max_gfx", v); }
}

int ec_read(uint8_t reg, uint8_t* value) {
  note("ec read 0x%02X", reg);
  if (!power_fakes.ec_works) return 0;
  *value = power_fakes.ec[reg];
  return 1;
}

// As one transaction does it: in order, stopping at the first failure.
int ec_read_group(const uint8_t* regs, uint8_t* values, int count) {
  int done = 0;
  while (done < count && ec_read(regs[done], &values[done])) ++done;
  return done;
}

int ec_write(uint8_t reg, uint8_t value) {
  note("ec 0x%02X=%u", reg, value);
  if (!power_fakes.ec_works) return 0;
  power_fakes.ec[reg] = value;
  return 1;
}

uint8_t read_ac_line_status() {
  std::lock_guard<std::mutex> guard(power_fakes.lock);
  if (power_fakes.ac_line.empty()) return power_fakes.ac_line_after;
  uint8_t status = power_fakes.ac_line.front();
  power_fakes.ac_line.pop_front();
  return status;
}

void adlx_start() { note("adlx start restarting=%u", unsigned(adapter_restarting.load())); }
void adlx_stop() { note("adlx stop restarting=%u", unsigned(adapter_restarting.load())); }

int restart_panel_adapter() {
  note("adapter restart %u", unsigned(power_fakes.adapters));
  return power_fakes.adapters;
}
