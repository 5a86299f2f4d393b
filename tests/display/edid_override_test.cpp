// The EDID override against Wine's real registry. The test plays the part
// of Windows' device enumeration by creating the panel's instance subkeys
// itself (the prefix runs as administrator).
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <vector>

#include "hardware/display.h"
#include "hardware/edid_table.h"

namespace {

const std::wstring PANEL = L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\ZEV1805";

std::wstring override_path(const std::wstring& instance) {
  return PANEL + L"\\" + instance + L"\\Device Parameters\\EDID_OVERRIDE";
}

bool key_exists(const std::wstring& path) {
  HKEY key;
  if (RegOpenKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

void create_key(const std::wstring& path) {
  HKEY key;
  ASSERT_EQ(RegCreateKeyExW(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS,
                            nullptr, &key, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

void set_version(const std::wstring& instance, DWORD version) {
  create_key(override_path(instance));
  ASSERT_EQ(RegSetKeyValueW(HKEY_LOCAL_MACHINE, override_path(instance).c_str(), L"Version",
                            REG_DWORD, &version, sizeof(version)),
            ERROR_SUCCESS);
}

// One instance's override as the test wants it before a run.
enum Override { NO_KEY, NO_VERSION, V50, V69, V100 };

void seed(const std::wstring& instance, Override state) {
  create_key(PANEL + L"\\" + instance);
  switch (state) {
    case NO_KEY: break;
    case NO_VERSION: create_key(override_path(instance)); break;
    case V50: set_version(instance, 50); break;
    case V69: set_version(instance, 69); break;
    case V100: set_version(instance, 100); break;
  }
}

uint32_t run(EdidMode mode) {
  edid_result = 0;
  edid_override(mode);
  return edid_result;
}

std::vector<uint8_t> read_binary(const std::wstring& path, const wchar_t* name, DWORD* type) {
  std::vector<uint8_t> data(1024);
  DWORD size = DWORD(data.size());
  if (RegGetValueW(HKEY_LOCAL_MACHINE, path.c_str(), name, RRF_RT_ANY, type, data.data(), &size) !=
      ERROR_SUCCESS)
    return {};
  data.resize(size);
  return data;
}

class EdidOverride : public testing::Test {
 protected:
  void SetUp() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, PANEL.c_str()); }
  void TearDown() override { RegDeleteTreeW(HKEY_LOCAL_MACHINE, PANEL.c_str()); }
};

TEST_F(EdidOverride, probe_finds_the_panel_only_when_it_has_an_instance) {
  EXPECT_EQ(run(EDID_PROBE), 0u) << "no panel key";
  create_key(PANEL);
  EXPECT_EQ(run(EDID_PROBE), 0u) << "panel key without instances";
  seed(L"4&2a3b&0&UID265988", NO_KEY);
  EXPECT_EQ(run(EDID_PROBE), 1u);
}

TEST_F(EdidOverride, check_is_exactly_one_only_when_every_instance_is_current) {
  struct Case {
    const char* what;
    std::vector<Override> instances;
    uint32_t result;
  } cases[] = {
      {"no override yet", {NO_KEY}, 0xFFFFFFFF},
      {"current on every instance", {V69, V69}, 1},
      {"marked for replacement", {V100}, 0xFFFFFFFF},
      {"older layout", {V50}, 0xFFFFFFFE},
      {"current + no override", {V69, NO_KEY}, 0xFFFFFFFF},
      {"no override + current", {NO_KEY, V69}, 0xFFFFFFFF},
      {"current + key without Version", {V69, NO_VERSION}, 0xFFFFFFFF},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RegDeleteTreeW(HKEY_LOCAL_MACHINE, PANEL.c_str());
    for (size_t i = 0; i < c.instances.size(); ++i)
      seed(L"inst" + std::to_wstring(i), c.instances[i]);
    EXPECT_EQ(run(EDID_CHECK), c.result);
  }
  RegDeleteTreeW(HKEY_LOCAL_MACHINE, PANEL.c_str());
  EXPECT_EQ(run(EDID_CHECK), 0u) << "no panel: nothing to decide";
}

TEST_F(EdidOverride, write_gives_every_instance_all_eight_blocks_and_the_version) {
  const std::wstring instances[] = {L"5&1f8c&0&UID4352", L"5&1f8c&0&UID4353"};
  seed(instances[0], V100);
  seed(instances[1], NO_KEY);
  ASSERT_NE(run(EDID_CHECK), 1u);
  EXPECT_EQ(run(EDID_WRITE), 1u);

  const uint8_t* edid = edid_override_bytes().data();
  for (const std::wstring& instance : instances) {
    SCOPED_TRACE(std::string(instance.begin(), instance.end()));
    for (int i = 0; i < 8; ++i) {
      SCOPED_TRACE(i);
      DWORD type = 0;
      const std::vector<uint8_t> block =
          read_binary(override_path(instance), std::to_wstring(i).c_str(), &type);
      EXPECT_EQ(type, DWORD(REG_BINARY));
      ASSERT_EQ(block.size(), EDID_BLOCK_SIZE);
      EXPECT_EQ(block,
                std::vector<uint8_t>(edid + i * EDID_BLOCK_SIZE, edid + (i + 1) * EDID_BLOCK_SIZE));
    }
    DWORD type = 0;
    const std::vector<uint8_t> version = read_binary(override_path(instance), L"Version", &type);
    EXPECT_EQ(type, DWORD(REG_DWORD));
    ASSERT_EQ(version.size(), 4u);
    EXPECT_EQ(version[0] | version[1] << 8 | version[2] << 16 | version[3] << 24, 69);
  }
  EXPECT_EQ(run(EDID_CHECK), 1u) << "the next start finds it current";
}

TEST_F(EdidOverride, write_without_a_panel_creates_nothing) {
  EXPECT_EQ(run(EDID_WRITE), 0u);
  EXPECT_FALSE(key_exists(PANEL));
}

// Only the adapter the built-in panel hangs off is restarted. Under Wine
// there is no such device (the panel key below is only a registry key, not a
// device node, and the display class installer is a stub besides), so
// nothing is restarted, with or without the key, and the count says so: a
// count of 1 would claim an adapter restart that never happened.
TEST_F(EdidOverride, adapter_restart_finds_no_adapter_of_the_panel_under_wine) {
  EXPECT_EQ(restart_panel_adapter(), 0);
  seed(L"4&2c8a1f&0&UID265988", NO_KEY);
  EXPECT_EQ(restart_panel_adapter(), 0);
}

}  // namespace
