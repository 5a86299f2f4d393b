// start_backend / stop_backend on a Wine prefix: the device names come from
// the registry, the EC from the WinRing0 stand-in (read back with ecsim.exe),
// RyzenAdj and ADLX from their stand-ins, whose logs show what the program
// called.
//
// One executable, three devices: each suite writes its processor and board
// names into HKLM\HARDWARE before every test. Those keys are volatile and
// live as long as the prefix's wineserver, which this running test keeps up.
#include <gtest/gtest.h>

#include <thread>

#include "hardware/adlx.h"
#include "hardware/backend.h"
#include "hardware/display.h"
#include "hardware/ec.h"
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

bool set_hardware_name(const wchar_t* key, const wchar_t* value, const wchar_t* name) {
  return RegSetKeyValueW(HKEY_LOCAL_MACHINE, key, value, REG_SZ, name,
                         DWORD((wcslen(name) + 1) * sizeof(wchar_t))) == ERROR_SUCCESS;
}

class Backend : public ::testing::Test {
 protected:
  Backend(const wchar_t* cpu, const wchar_t* board) : cpu_(cpu), board_(board) {}
  void SetUp() override {
    ASSERT_TRUE(set_hardware_name(L"HARDWARE\\DESCRIPTION\\System\\CentralProcessor\\0",
                                  L"ProcessorNameString", cpu_));
    ASSERT_TRUE(set_hardware_name(L"HARDWARE\\DESCRIPTION\\System\\BIOS", L"BaseBoardProduct",
                                  board_));
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

 private:
  const wchar_t* cpu_;
  const wchar_t* board_;
};

class SupportedDevice : public Backend {
 protected:
  SupportedDevice() : Backend(L"AMD Ryzen 7 6800U with Radeon Graphics", L"Vexa Crest") {}
};
class UnknownBoard : public Backend {
 protected:
  UnknownBoard() : Backend(L"AMD Ryzen 7 6800U with Radeon Graphics", L"Generic Board 1.0") {}
};
class UnknownProcessor : public Backend {
 protected:
  UnknownProcessor() : Backend(L"Intel(R) Core(TM) i5-1135G7 @ 2.40GHz", L"Vexa Dune") {}
};

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

// Several ways out may run (a crash while ending, say): the hardware is
// handed back once, and the crash entry does nothing after an orderly stop.
TEST_F(SupportedDevice, the_hardware_is_handed_back_once_per_start) {
  ASSERT_EQ(start(), BACKEND_STARTED);
  stop();
  put_ec_in_use();
  stop_backend();
  stop_backend_after_crash();
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_MANUAL);
  EXPECT_EQ(sim_log_count(sim_log_lines(L"ryzenadj.log"), "cleanup_ryzenadj"), 1);
}

// The crash entry: only the EC, with the driver and libraries left as they are.
TEST_F(SupportedDevice, the_crash_entry_writes_the_safe_state_and_nothing_else) {
  ASSERT_EQ(start(), BACKEND_STARTED);
  put_ec_in_use();
  stop_backend_after_crash();
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_AUTO);
  EXPECT_EQ(ec_register(EC_REG_LIGHT_CONTROL), EC_LIGHT_AUTO);
  EXPECT_EQ(sim_log_count(sim_log_lines(L"ryzenadj.log"), "cleanup_ryzenadj"), 0);
  EXPECT_NE(GetModuleHandleW(L"WinRing0x64.dll"), nullptr);
  stop();  // nothing more happens: already handed back
  EXPECT_EQ(sim_log_count(sim_log_lines(L"ryzenadj.log"), "cleanup_ryzenadj"), 0);
  started = false;
  adlx_stop();
  unload_ec_driver();
  ec_driver_loaded = 0;
}

// An EC tool running at the moment of exit: the safe state is written once
// it has ended, not given up on at the first refusal.
TEST_F(SupportedDevice, an_ec_tool_running_at_the_exit_is_waited_out) {
  ASSERT_EQ(start(), BACKEND_STARTED);
  put_ec_in_use();
  HANDLE tool = start_copy_as(test_bin_dir() + L"idle.exe", L"rw.exe");
  ASSERT_NE(tool, nullptr);
  ASSERT_TRUE(ec_tool_running());
  std::thread stopper([this] { stop(); });
  Sleep(600);  // the tool runs on for a while during the exit
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_MANUAL) << "the tool still owns the EC";
  end_process(tool);
  stopper.join();
  std::string log;
  run_and_capture(L"C:\\windows\\system32\\cmd.exe /c type C:\\ProgramData\\ZEV\\TMX\\safe-state.log", &log);
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_AUTO) << log;
  EXPECT_EQ(ec_register(EC_REG_LIGHT_CONTROL), EC_LIGHT_AUTO);
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

// The "not compatible" screen's EXIT stops what the start began before it
// knew the board, and leaves the EC of a board it does not know alone.
TEST_F(UnknownBoard, starts_the_processor_side_only_and_its_stop_releases_it) {
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
  put_ec_in_use();
  stop();
  EXPECT_EQ(sim_log_lines(L"ryzenadj.log"),
            (std::vector<std::string>{"init_ryzenadj", "cleanup_ryzenadj"}));
  EXPECT_EQ(sim_log_count(sim_log_lines(L"adlx.log"), "ADLXTerminate live 0 misuse 0"), 1);
  EXPECT_EQ(GetModuleHandleW(L"amdadlx64.dll"), nullptr);
  EXPECT_EQ(ec_register(EC_REG_FAN_MODE), EC_FAN_MODE_MANUAL) << "an unknown board's EC is left alone";
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
