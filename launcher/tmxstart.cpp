// TMXStart.exe: starts Vexa.Control.Center.exe from its own folder with its
// own arguments, unchanged, and exits without waiting for it. The log-on task
// runs it with "-hide". Exit code 0 when the program was started, otherwise
// the Windows error code of the failed start (2 when the program is missing).
#include <windows.h>
// After windows.h, which they build on.
#include <objbase.h>
#include <shellapi.h>

#include <string>
#include <vector>

#include "launcher/launcher_args.h"

namespace {

constexpr wchar_t PROGRAM_NAME[] = L"Vexa.Control.Center.exe";
// ERROR_ELEVATION_REQUIRED; mingw-w64's winerror.h does not have it.
constexpr DWORD ELEVATION_REQUIRED = 740;

// The error of a failed call; never ERROR_SUCCESS, so that a failure cannot
// read as a start even if Windows left no code behind.
DWORD last_error() {
  DWORD error = GetLastError();
  return error == ERROR_SUCCESS ? ERROR_GEN_FAILURE : error;
}

// Full path of this executable. GetModuleFileNameW truncates silently when
// the buffer is short, so grow it until the path fits (up to the 32767
// characters of a long path).
std::wstring own_path() {
  std::vector<wchar_t> buffer(MAX_PATH);
  for (;;) {
    DWORD length = GetModuleFileNameW(nullptr, buffer.data(), DWORD(buffer.size()));
    if (length == 0) return {};
    if (length < buffer.size()) return std::wstring(buffer.data(), length);
    if (buffer.size() >= 32768) return {};
    buffer.resize(buffer.size() * 2);
  }
}

// Started by hand from a shell without administrator rights, CreateProcess
// refuses the program (its manifest requires them) with error 740.
// ShellExecuteEx asks for consent instead. The log-on task runs elevated and
// never comes here.
DWORD start_with_consent(const std::wstring& program, std::wstring_view arguments,
                         const std::wstring& folder, int show) {
  HRESULT com = CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED | COINIT_DISABLE_OLE1DDE);
  std::wstring parameters(arguments);
  SHELLEXECUTEINFOW execute = {};
  execute.cbSize = sizeof(execute);
  // NOASYNC: this process ends right after the call.
  execute.fMask = SEE_MASK_NOASYNC | SEE_MASK_FLAG_NO_UI;
  execute.lpFile = program.c_str();
  execute.lpParameters = parameters.empty() ? nullptr : parameters.c_str();
  execute.lpDirectory = folder.c_str();
  execute.nShow = show;
  DWORD result = ShellExecuteExW(&execute) ? ERROR_SUCCESS : last_error();
  if (SUCCEEDED(com)) CoUninitialize();
  return result;
}

// Starts the program beside this executable, in that folder as working
// directory (the task would otherwise leave it in System32), with the
// launcher's show command passed on.
DWORD start_program(const std::wstring& folder, std::wstring_view arguments, int show) {
  std::wstring program = folder + PROGRAM_NAME;
  std::wstring line = program_command_line(program, arguments);
  std::vector<wchar_t> buffer(line.begin(), line.end());
  buffer.push_back(L'\0');

  STARTUPINFOW startup = {};
  startup.cb = sizeof(startup);
  // SW_SHOWDEFAULT is what the launcher got when its starter chose nothing;
  // the program then chooses nothing either.
  if (show != SW_SHOWDEFAULT) {
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = WORD(show);
  }
  PROCESS_INFORMATION info = {};
  if (CreateProcessW(program.c_str(), buffer.data(), nullptr, nullptr, FALSE, 0, nullptr,
                     folder.c_str(), &startup, &info)) {
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return ERROR_SUCCESS;
  }
  DWORD error = last_error();
  if (error == ELEVATION_REQUIRED) return start_with_consent(program, arguments, folder, show);
  return error;
}

}  // namespace

int WINAPI wWinMain(HINSTANCE, HINSTANCE, PWSTR, int show) {
  std::wstring self = own_path();
  std::wstring folder(folder_of(self));
  if (folder.empty()) return ERROR_PATH_NOT_FOUND;
  return int(start_program(folder, arguments_after_program_name(GetCommandLineW()), show));
}
