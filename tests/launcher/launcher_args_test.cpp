// Where the launcher's own name ends, natively: also the cases a real
// process start cannot produce (an empty line, an unterminated quote). The
// program's command line built from it is checked end to end under Wine.
#include "launcher/launcher_args.h"

#include <gtest/gtest.h>

namespace {

struct SplitCase {
  const wchar_t* command_line;
  const wchar_t* arguments;
};

TEST(LauncherArgs, arguments_are_what_follows_the_program_name_and_its_blanks) {
  const SplitCase cases[] = {
      {L"", L""},
      {L"TMXStart.exe", L""},
      {L"TMXStart.exe ", L""},
      {L"TMXStart.exe -hide", L"-hide"},
      {L"\"C:\\Program Files\\ZEV\\TMX\\TMXStart.exe\" -hide", L"-hide"},
      {L"\"C:\\Program Files\\ZEV\\TMX\\TMXStart.exe\"", L""},
      {L"C:\\Pro\"gram Fi\"les\\TMXStart.exe a", L"a"},
      {L"\"C:\\a b\\TMXStart.exe\" \t \"a b\"  c ", L"\"a b\"  c "},
      {L"\"C:\\a b\\TMXStart.exe\"-hide", L""},
      {L"\"C:\\a b\\TMXStart.exe\"x y", L"y"},
      {L"\"C:\\unterminated -hide", L""},
      {L"TMXStart.exe\t-hide", L"-hide"},
      {L"TMXStart.exe \\\"a\\\" \\\\b", L"\\\"a\\\" \\\\b"},
  };
  for (const SplitCase& c : cases) {
    EXPECT_EQ(std::wstring(arguments_after_program_name(c.command_line)), c.arguments)
        << "command line: " << testing::PrintToString(std::wstring(c.command_line));
  }
}

}  // namespace
