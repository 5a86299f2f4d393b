// start_backend / stop_backend on a prepared Wine prefix: the device names
// come from the registry (VEXA_DEVICE of the test), the EC from the
// WinRing0 stand-in (read back with ecsim.exe), RyzenAdj and ADLX from their
// stand-ins, whose logs show what the program called.
//
// One executable, three devices: CTest runs SupportedDevice.*, UnknownBoard.*
// and UnknownProcessor.* each in its own prefix.
#include <gtest/gtest.h>

#include "hardware/adlx.h"
#include "hardware/backend.h"
#include "hardware/display.h"
#include "hardware/ec_registers.h"
#include "hardware/hardware_state.h"
#include "tests/backend/sim_logs.h"
#include "tests/support/win_process.h"

namespace {

long ec_register(uint8_t reg) {
  return run_for_number(L"ecsim.exe -q get " + std::to_wstring(reg));
}

bool ec_set(uint8_t reg, uint8_t value) {
  std::string ignored;
  return run_and_capture(L"ecsim.exe set " + std::to_wstring(reg) + L" " + std::to_wstring(value),
                         &ignored) == 0;
}

class Backend : public ::testing::Test {
 protected:
  void SetUp() override {
    sim_log_clear(L"ryzenadj.log");
    sim_log_clear(L"adlx.log");
    std::string ignored;
    ASSERT_EQ(run_and_capture(L"ecsim.exe reset", &ignored), 0);
    gpu_auto = 1;
  }
  void TearDown() override {
    if (started) stop_backend();
  }
  int32_t start() {
    started = true;
    return start_backend();
  }
  void stop() {
    started = false;
    stop_backend();
  }
  // The EC as the program leaves it in use: manual fan, own lighting colour.
  static void put_ec_in_use() {
    ASSERT_TRUE(ec_set(EC_REG_FAN_MODE, EC_FAN_MODE_MANUAL));
    ASSERT_TRUE(ec_set(EC_REG_LIGHT_CONTROL, EC_LIGHT_COLOUR));
  }
  bool started = false;
};

using SupportedDevice = Backend;
using UnknownBoard = Backend;
using UnknownProcessor = Backend;

TEST_F(SupportedDevice, starts_every_back_end_and_returns_1_without_a_panel_key) {
  EXPECT_EQ(start(), BACKEND_STARTED);
  EXPECT_EQ(CpuModel.load(), 2u);
  EXPECT_EQ(BoardModel.load(), 1);
  EXPECT_EQ(ec_driver_loaded.load(), 1);
  EXPECT_EQ(ec_ready.load(), 1);
  EXPECT_EQ(lighting_ready.load(), 1);
  EXPECT_EQ(adlx_ready.load(), 1);
  EXPECT_EQ(gpu_found.load(), 1);
  EXPECT_NE(ryzenadj_handle, nullptr);
  std::vector<std::string> calls = sim_log_lines(L"ryzenadj.log");
  EXPECT_EQ(calls, std::vector<std::string>{"init_ryzenadj"});

  live_gpu_clock = 0;
  adlx_sample_step();
  EXPECT_EQ(live_gpu_clock.load(), 1600) << "the sampler reads through what the start bound";
}

TEST_F(SupportedDevice, stop_leaves_fan_and_lighting_to_the_ec_and_releases_every_library) {
  ASSERT_EQ(start(), BACKEND_STARTED);
  put_ec_in_use();
  adlx_sample_step();
  stop();
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_AUTO);
  EXPECT_EQ(ec_register(EC_REG_LIGHT_CONTROL), EC_LIGHT_AUTO);
  EXPECT_EQ(ec_driver_loaded.load(), 0);
  EXPECT_EQ(ec_ready.load(), 0);
  EXPECT_EQ(lighting_ready.load(), 0);
  EXPECT_EQ(GetModuleHandleW(L"WinRing0x64.dll"), nullptr) << "EC driver unloaded";
  EXPECT_EQ(GetModuleHandleW(L"amdadlx64.dll"), nullptr) << "ADLX unloaded";
  EXPECT_EQ(adlx_ready.load(), 0);

  std::vector<std::string> calls = sim_log_lines(L"ryzenadj.log");
  EXPECT_EQ(calls, (std::vector<std::string>{"init_ryzenadj", "cleanup_ryzenadj"}));
  std::vector<std::string> adlx = sim_log_lines(L"adlx.log");
  EXPECT_EQ(sim_log_count(adlx, "ADLXTerminate live 0 misuse 0"), 1);
  EXPECT_EQ(sim_log_count(adlx, "misuse "), 0);
}

// The panel key of the built-in display, as Windows enumerates it.
const wchar_t PANEL_INSTANCE[] =
    L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\ZEV1805\\4&2c8a1f&0&UID265988";
const wchar_t PANEL_KEY[] = L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\ZEV1805";

DWORD override_version() {
  std::wstring key = std::wstring(PANEL_INSTANCE) + L"\\Device Parameters\\EDID_OVERRIDE";
  DWORD value = 0, size = sizeof(value);
  LSTATUS s = RegGetValueW(HKEY_LOCAL_MACHINE, key.c_str(), L"Version", RRF_RT_REG_DWORD, nullptr,
                           &value, &size);
  return s == ERROR_SUCCESS ? value : 0;
}

// Under Wine the adapter restart itself fails (SetupDi stubs), so the waits
// between disable and enable are skipped; ADLX is still stopped and started.
TEST_F(SupportedDevice, a_new_panel_override_is_installed_once_with_an_adapter_restart) {
  HKEY panel = nullptr;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, PANEL_INSTANCE, 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &panel, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(panel);

  EXPECT_EQ(start(), BACKEND_RESTARTED);
  EXPECT_EQ(override_version(), EDID_OVERRIDE_VERSION);
  EXPECT_EQ(adapter_restarting.load(), 0);
  EXPECT_EQ(adlx_ready.load(), 1);
  EXPECT_EQ(gpu_found.load(), 1);
  stop();
  std::vector<std::string> adlx = sim_log_lines(L"adlx.log");
  EXPECT_EQ(sim_log_count(adlx, "ADLXInitialize "), 2) << "started, then again after the restart";
  EXPECT_EQ(sim_log_count(adlx, "ADLXTerminate live 0 misuse 0"), 2);

  EXPECT_EQ(start(), BACKEND_STARTED) << "an up-to-date override is left alone";
  stop();
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, PANEL_KEY);
}

TEST_F(UnknownBoard, starts_the_processor_side_only_and_returns_0) {
  EXPECT_EQ(start(), BACKEND_UNSUPPORTED);
  EXPECT_EQ(CpuModel.load(), 2u);
  EXPECT_EQ(BoardModel.load(), 0);
  EXPECT_EQ(sim_log_lines(L"ryzenadj.log"), std::vector<std::string>{"init_ryzenadj"});
  EXPECT_EQ(adlx_ready.load(), 1);
  EXPECT_EQ(gpu_found.load(), 1);
  EXPECT_EQ(ec_driver_loaded.load(), 0);
  EXPECT_EQ(GetModuleHandleW(L"WinRing0x64.dll"), nullptr) << "EC driver never loaded";
  EXPECT_EQ(ec_ready.load(), 0);
  EXPECT_EQ(lighting_ready.load(), 0);
  started = false;  // the panel is never built on this device, so nothing stops it
  adlx_stop();
}

TEST_F(UnknownProcessor, stop_makes_the_ec_safe_but_calls_no_processor_library) {
  EXPECT_EQ(start(), BACKEND_STARTED);
  EXPECT_EQ(CpuModel.load(), 0u);
  EXPECT_EQ(BoardModel.load(), 2);
  EXPECT_EQ(adlx_ready.load(), 1) << "display queries must not wait for an ADLX never started";
  EXPECT_EQ(gpu_found.load(), 0);
  EXPECT_EQ(ec_ready.load(), 1);
  put_ec_in_use();
  stop();
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_AUTO);
  EXPECT_EQ(ec_register(EC_REG_LIGHT_CONTROL), EC_LIGHT_AUTO);
  EXPECT_EQ(GetModuleHandleW(L"WinRing0x64.dll"), nullptr);
  EXPECT_TRUE(sim_log_lines(L"ryzenadj.log").empty());
  EXPECT_TRUE(sim_log_lines(L"adlx.log").empty());
  EXPECT_EQ(GetModuleHandleW(L"amdadlx64.dll"), nullptr);
}

}  // namespace
