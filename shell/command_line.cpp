#include "shell/command_line.h"

namespace {

wchar_t fold(wchar_t c) { return (c >= L'A' && c <= L'Z') ? wchar_t(c - L'A' + L'a') : c; }

bool equals_ignoring_case(const wchar_t* a, const wchar_t* b) {
  for (; *a && *b; ++a, ++b) {
    if (fold(*a) != fold(*b)) return false;
  }
  return *a == *b;
}

}  // namespace

bool has_hide_switch(int argc, const wchar_t* const* argv) {
  for (int i = 1; i < argc; ++i) {
    if (argv[i] && equals_ignoring_case(argv[i], L"-hide")) return true;
  }
  return false;
}
