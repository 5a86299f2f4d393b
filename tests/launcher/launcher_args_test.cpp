// The launcher's command-line handling, natively: the cases a real process
// start cannot produce (an empty line, an unterminated quote) and the
// program's command line built from them.
#include <gtest/gtest.h>

#include "launcher/launcher_args.h"

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

TEST(LauncherArgs, program_line_quotes_the_path_and_adds_arguments_only_when_given) {
  const struct {
    const wchar_t* path;
    const wchar_t* arguments;
    const wchar_t* line;
  } cases[] = {
      {L"C:\\Program Files\\ZEV\\TMX\\Vexa.Control.Center.exe", L"", L"\"C:\\Program Files\\ZEV\\TMX\\Vexa.Control.Center.exe\""},
      {L"C:\\T\\Vexa.Control.Center.exe", L"-hide", L"\"C:\\T\\Vexa.Control.Center.exe\" -hide"},
      {L"C:\\T\\Vexa.Control.Center.exe", L"\"a b\" c", L"\"C:\\T\\Vexa.Control.Center.exe\" \"a b\" c"},
  };
  for (const auto& c : cases) EXPECT_EQ(program_command_line(c.path, c.arguments), c.line);
}

TEST(LauncherArgs, folder_keeps_the_last_separator) {
  const struct {
    const wchar_t* path;
    const wchar_t* folder;
  } cases[] = {
      {L"C:\\Program Files\\ZEV\\TMX\\TMXStart.exe", L"C:\\Program Files\\ZEV\\TMX\\"},
      {L"\\\\server\\share\\TMXStart.exe", L"\\\\server\\share\\"},
      {L"C:/mixed\\sep/TMXStart.exe", L"C:/mixed\\sep/"},
      {L"TMXStart.exe", L""},
  };
  for (const auto& c : cases) EXPECT_EQ(std::wstring(folder_of(c.path)), c.folder);
}

}  // namespace
