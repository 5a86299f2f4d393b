// The accumulator decisions of the EDID override's registry modes.
#include <gtest/gtest.h>

#include <cwchar>
#include <string>

#include "hardware/display.h"
#include "hardware/edid_registry.h"

namespace {

constexpr long ACCESS_DENIED = 5;
constexpr uint32_t REG_SZ_TYPE = 1;

TEST(EdidRegistry, panel_key_absence_ends_silently_and_other_failures_are_errors) {
  struct Case {
    long status;
    bool goes_on;
    uint32_t result;
  } cases[] = {
      {EDID_STATUS_OK, true, 0},
      {EDID_STATUS_FILE_NOT_FOUND, false, 0},
      {EDID_STATUS_PATH_NOT_FOUND, false, 0},
      {ACCESS_DENIED, false, EDID_ERROR_BITS},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.status);
    uint32_t acc = 0;
    EXPECT_EQ(edid_fold_panel_open(c.status, &acc), c.goes_on);
    EXPECT_EQ(acc, c.result);
  }
}

TEST(EdidRegistry, probe_and_enumeration_end) {
  EXPECT_EQ(edid_fold_probe(0, EDID_STATUS_OK), 1u);
  EXPECT_EQ(edid_fold_probe(0, EDID_STATUS_NO_MORE_ITEMS), 0u);
  EXPECT_EQ(edid_fold_probe(0, EDID_STATUS_MORE_DATA), EDID_ERROR_BITS);  // name over 255
  EXPECT_EQ(edid_fold_enum_end(1, EDID_STATUS_NO_MORE_ITEMS), 1u);
  EXPECT_EQ(edid_fold_enum_end(1, ACCESS_DENIED), EDID_STALE);
}

EdidVersionRead dword(uint32_t value) { return {EDID_STATUS_OK, EDID_REG_DWORD, 4, value}; }

// Folds the instances in order, starting from 0 as the start-up does, and
// says whether the caller would take the result as "all current".
bool all_current(std::initializer_list<std::pair<long, EdidVersionRead>> instances) {
  uint32_t acc = 0;
  for (const auto& instance : instances)
    acc = edid_fold_check(acc, instance.first, instance.second);
  acc = edid_fold_enum_end(acc, EDID_STATUS_NO_MORE_ITEMS);
  return acc == 1;
}

TEST(EdidRegistry, check_takes_only_a_current_override_on_every_instance_as_current) {
  const EdidVersionRead none{};
  const EdidVersionRead missing = {EDID_STATUS_FILE_NOT_FOUND, 0, 0, 0};
  const EdidVersionRead text = {EDID_STATUS_OK, REG_SZ_TYPE, 4, 0x3936};
  const long ok = EDID_STATUS_OK, no_key = EDID_STATUS_FILE_NOT_FOUND;
  EXPECT_TRUE(all_current({{ok, dword(69)}}));
  EXPECT_TRUE(all_current({{ok, dword(69)}, {ok, dword(69)}}));
  EXPECT_TRUE(all_current({{ok, dword(99)}, {ok, dword(101)}}));
  EXPECT_FALSE(all_current({{ok, dword(100)}}));
  EXPECT_FALSE(all_current({{ok, dword(100)}, {ok, dword(69)}}));
  EXPECT_FALSE(all_current({{ok, dword(68)}}));
  EXPECT_FALSE(all_current({{ok, dword(0)}, {ok, dword(69)}}));
  EXPECT_FALSE(all_current({{ACCESS_DENIED, none}, {ok, dword(69)}}));
  EXPECT_FALSE(all_current({{ok, {ACCESS_DENIED, 0, 0, 0}}}));
  // A missing override or "Version" on any instance forces the rewrite,
  // whichever order the instances come in.
  EXPECT_FALSE(all_current({{no_key, none}}));
  EXPECT_FALSE(all_current({{ok, dword(69)}, {no_key, none}}));
  EXPECT_FALSE(all_current({{no_key, none}, {ok, dword(69)}}));
  EXPECT_FALSE(all_current({{EDID_STATUS_PATH_NOT_FOUND, none}, {ok, dword(69)}}));
  EXPECT_FALSE(all_current({{ok, dword(69)}, {ok, missing}}));
  // So does a "Version" of another type: it is not an override we wrote.
  EXPECT_FALSE(all_current({{ok, dword(69)}, {ok, text}}));
  EXPECT_FALSE(all_current({{ok, dword(69)}, {ok, {EDID_STATUS_MORE_DATA, 3, 8, 0}}}));
}

TEST(EdidRegistry, check_results_for_single_values) {
  struct Case {
    uint32_t version;
    uint32_t result;
  } cases[] = {
      {69, 1}, {0xFFFFFFFF, 1}, {100, EDID_STALE}, {50, EDID_ERROR_BITS}, {68, EDID_ERROR_BITS}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.version);
    EXPECT_EQ(edid_fold_check(0, EDID_STATUS_OK, dword(c.version)), c.result);
  }
}

TEST(EdidRegistry, only_unused_extension_blocks_are_deleted) {
  const uint8_t empty[1] = {0}, used[1] = {2};
  EXPECT_TRUE(edid_block_is_written(0, empty));  // the base block starts with 0
  EXPECT_TRUE(edid_block_is_written(3, used));
  EXPECT_FALSE(edid_block_is_written(3, empty));
  EXPECT_TRUE(edid_delete_succeeded(EDID_STATUS_OK));
  EXPECT_TRUE(edid_delete_succeeded(EDID_STATUS_FILE_NOT_FOUND));
  EXPECT_FALSE(edid_delete_succeeded(ACCESS_DENIED));
}

TEST(EdidRegistry, paths_fit_in_256_characters_or_count_as_errors) {
  wchar_t path[EDID_PATH_CHARS];
  ASSERT_TRUE(edid_panel_key_path(path));
  EXPECT_STREQ(path, L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\ZEV1805");
  ASSERT_TRUE(edid_override_key_path(L"4&1a2b3c&0&UID0", path));
  EXPECT_STREQ(path,
               L"SYSTEM\\CurrentControlSet\\Enum\\DISPLAY\\ZEV1805\\4&1a2b3c&0&UID0\\"
               L"Device Parameters\\EDID_OVERRIDE");
  // The fixed parts take 89 characters: an instance name of 166 still fits
  // (255 characters and the terminator), one of 167 does not.
  const size_t fixed = std::wcslen(path) - std::wcslen(L"4&1a2b3c&0&UID0");
  const size_t longest = EDID_PATH_CHARS - 1 - fixed;
  EXPECT_TRUE(edid_override_key_path(std::wstring(longest, L'x').c_str(), path));
  EXPECT_EQ(std::wcslen(path), EDID_PATH_CHARS - 1);
  EXPECT_FALSE(edid_override_key_path(std::wstring(longest + 1, L'x').c_str(), path));
  EXPECT_STREQ(path, L"");
}

}  // namespace
