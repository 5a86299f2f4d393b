// Stand-in for Vexa.Control.Center.exe in the launcher test: writes the
// command line it was started with and its working directory, one per line
// (UTF-16), to command_line.txt beside itself. The file is written under
// another name and renamed, so the test never reads half of it.
#include <windows.h>

#include <string>

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int) {
  wchar_t self[MAX_PATH];
  DWORD length = GetModuleFileNameW(nullptr, self, MAX_PATH);
  if (length == 0 || length == MAX_PATH) return 1;
  std::wstring folder(self, length);
  folder.erase(folder.find_last_of(L'\\') + 1);

  wchar_t current[MAX_PATH];
  DWORD current_length = GetCurrentDirectoryW(MAX_PATH, current);
  std::wstring text =
      std::wstring(GetCommandLineW()) + L"\n" + std::wstring(current, current_length) + L"\n";

  std::wstring partial = folder + L"command_line.part";
  HANDLE file = CreateFileW(partial.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return 1;
  DWORD written = 0;
  DWORD bytes = DWORD(text.size() * sizeof(wchar_t));
  BOOL ok = WriteFile(file, text.data(), bytes, &written, nullptr) && written == bytes;
  CloseHandle(file);
  if (!ok) return 1;
  std::wstring done = folder + L"command_line.txt";
  return MoveFileExW(partial.c_str(), done.c_str(), MOVEFILE_REPLACE_EXISTING) ? 0 : 1;
}
