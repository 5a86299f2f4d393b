#include "launcher/launcher_args.h"

namespace {

bool is_blank(wchar_t c) { return c == L' ' || c == L'\t'; }

}  // namespace

std::wstring_view arguments_after_program_name(std::wstring_view command_line) {
  size_t i = 0;
  bool quoted = false;
  for (; i < command_line.size(); ++i) {
    wchar_t c = command_line[i];
    if (c == L'"') {
      quoted = !quoted;
    } else if (!quoted && is_blank(c)) {
      break;
    }
  }
  while (i < command_line.size() && is_blank(command_line[i])) ++i;
  return command_line.substr(i);
}

std::wstring program_command_line(std::wstring_view program_path, std::wstring_view arguments) {
  std::wstring line;
  line.reserve(program_path.size() + arguments.size() + 3);
  line += L'"';
  line += program_path;
  line += L'"';
  if (!arguments.empty()) {
    line += L' ';
    line += arguments;
  }
  return line;
}

std::wstring_view folder_of(std::wstring_view module_path) {
  size_t slash = module_path.find_last_of(L"\\/");
  if (slash == std::wstring_view::npos) return {};
  return module_path.substr(0, slash + 1);
}
