// Brightness, volume and the status read-outs against Windows as Wine gives
// it: no brightness provider, one audio endpoint through the harness's null
// ALSA device (full volume, not settable), or none at all; then the audio
// stand-in (audiosim.dll) registered in Wine's place, whose volume a second
// process changes and whose device can be replaced.
#include <windows.h>

#include <gtest/gtest.h>
#include <netlistmgr.h>

#include <string>

#include "hardware/brightness_volume.h"
#include "hardware/system_status.h"
#include "tests/support/win_process.h"

namespace {

class SystemReadouts : public testing::Test {
 protected:
  void SetUp() override { CoInitializeEx(nullptr, COINIT_MULTITHREADED); }
  void TearDown() override {
    release_brightness_volume();
    release_system_status();
    CoUninitialize();
  }
};

int audiosim(const std::wstring& arguments, std::string* output = nullptr) {
  std::string ignored;
  return run_and_capture(L"audiosim.exe " + arguments, output ? output : &ignored);
}

TEST_F(SystemReadouts, without_a_brightness_provider_reads_and_writes_fail_and_change_nothing) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    int32_t value = 777;
    EXPECT_EQ(read_brightness(&value), 0);
    EXPECT_EQ(value, 777) << "a failed read is not a brightness of 0";
  }
  EXPECT_EQ(write_brightness(50), 0);
}

TEST_F(SystemReadouts, wines_endpoint_reads_full_volume_and_refuses_writes_from_anyone) {
  int32_t value = -1;
  ASSERT_EQ(read_volume(&value), 1);
  EXPECT_EQ(value, 100);
  EXPECT_EQ(write_volume(40), 0);
  // A second process cannot change it either.
  std::string said;
  EXPECT_EQ(audiosim(L"set 40", &said), 1);
  EXPECT_NE(said.find("0x80004001"), std::string::npos) << said;
  value = -1;
  ASSERT_EQ(read_volume(&value), 1) << "the endpoint is made again after the refused write";
  EXPECT_EQ(value, 100);
}

using StandInAudio = SystemReadouts;

// What `wine regsvr32 audiosim.dll` does, in this process.
HRESULT register_stand_in() {
  HMODULE module = LoadLibraryW((test_bin_dir() + L"audiosim.dll").c_str());
  if (!module) return E_FAIL;
  auto do_register = reinterpret_cast<HRESULT(WINAPI*)()>(
      reinterpret_cast<void*>(GetProcAddress(module, "DllRegisterServer")));
  return do_register ? do_register() : E_FAIL;
}

TEST_F(StandInAudio, the_endpoint_follows_a_second_process_and_a_device_change) {
  ASSERT_EQ(register_stand_in(), S_OK);
  std::string said;
  int32_t value = -1;
  ASSERT_EQ(read_volume(&value), 1);
  EXPECT_EQ(value, 75) << "the stand-in answers, not Wine's endpoint";

  struct Step {
    const wchar_t* outside;  // what a second process does first, if anything
    int32_t write;           // what the program writes then (-1: nothing)
    int32_t read;            // what the program reads afterwards
  } steps[] = {
      {L"set 35", -1, 35},  {nullptr, 53, 53}, {L"set 59", -1, 59},
      {L"replace", -1, 59}, {nullptr, 0, 0},   {L"replace", 100, 100},
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << (step.outside ? "outside " : "") << " write " << step.write);
    if (step.outside) ASSERT_EQ(audiosim(step.outside), 0);
    if (step.write >= 0) {
      EXPECT_EQ(write_volume(step.write), 1);
      ASSERT_EQ(audiosim(L"get", &said), 0);
      EXPECT_EQ(std::stoi(said), step.write) << "seen by a second process";
    }
    value = -1;
    ASSERT_EQ(read_volume(&value), 1);
    EXPECT_EQ(value, step.read);
  }
}

bool internet_by_the_network_list() {
  INetworkListManager* manager = nullptr;
  const CLSID clsid = {0xDCB00C01, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
  const IID iid = {0xDCB00000, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
  if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_ALL, iid, reinterpret_cast<void**>(&manager)))) {
    return false;
  }
  VARIANT_BOOL internet = VARIANT_FALSE, network = VARIANT_FALSE;
  manager->IsConnectedToInternet(&internet);
  manager->IsConnected(&network);
  manager->Release();
  return internet == VARIANT_TRUE && network == VARIANT_TRUE;
}

TEST_F(SystemReadouts, the_status_is_windows_local_time_power_status_and_network) {
  SYSTEMTIME before, after;
  SystemStatus status;
  GetLocalTime(&before);
  read_system_status(&status);
  GetLocalTime(&after);
  const bool at_before = status.hour == before.wHour && status.minute == before.wMinute;
  const bool at_after = status.hour == after.wHour && status.minute == after.wMinute;
  EXPECT_TRUE(at_before || at_after) << status.hour << ":" << status.minute;

  SYSTEM_POWER_STATUS power;
  ASSERT_TRUE(GetSystemPowerStatus(&power));
  EXPECT_EQ(status.battery_flag, power.BatteryFlag);
  EXPECT_EQ(status.battery_percent, power.BatteryLifePercent);
  EXPECT_EQ(status.connected, internet_by_the_network_list());
  // A second read uses the kept network list manager and agrees.
  SystemStatus again;
  read_system_status(&again);
  EXPECT_EQ(again.connected, status.connected);
}

// Run without the null ALSA device (its own registration): Wine has no
// endpoint at all.
using NoAudioDevice = SystemReadouts;

TEST_F(NoAudioDevice, reads_and_writes_fail_and_change_nothing) {
  for (int attempt = 0; attempt < 3; ++attempt) {
    int32_t value = 777;
    EXPECT_EQ(read_volume(&value), 0);
    EXPECT_EQ(value, 777);
  }
  EXPECT_EQ(write_volume(30), 0);
}

}  // namespace
