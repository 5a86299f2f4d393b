#include "hardware/ec_tools.h"

namespace {

wchar_t fold(wchar_t c) { return (c >= L'a' && c <= L'z') ? wchar_t(c - L'a' + L'A') : c; }

const wchar_t* const EC_TOOL_NAMES[] = {L"Rw.exe", L"HE.exe"};

}  // namespace

bool same_file_name(const wchar_t* a, const wchar_t* b) {
  if (!a || !b) return false;
  for (; *a && *b; ++a, ++b) {
    if (fold(*a) != fold(*b)) return false;
  }
  return *a == *b;
}

bool is_conflicting_ec_tool(const wchar_t* exe_name) {
  for (const wchar_t* tool : EC_TOOL_NAMES) {
    if (same_file_name(exe_name, tool)) return true;
  }
  return false;
}
