// The shared state file of the simulated EC (see ec_state_file.h).
//
// A mapping of a real file rather than a named page-file section, so that the
// state outlives the processes: a test can set the EC up with ecsim.exe before
// the program starts and read it after the program ended. Views of one file
// are coherent between processes, under Wine too (mmap MAP_SHARED).
#include "ec_state_file.h"

#include <cwchar>

namespace {

const wchar_t MUTEX_NAME[] = L"VexaSimEc";
const wchar_t FILE_NAME[] = L"ec.bin";

// Creates every missing folder along path (errors ignored: opening the file
// is the one check that matters).
void create_folders(const wchar_t* path) {
  wchar_t partial[MAX_PATH];
  size_t n = wcslen(path);
  if (n >= MAX_PATH) return;
  for (size_t i = 0; i <= n; i++) {
    bool end = i == n || path[i] == L'\\' || path[i] == L'/';
    // Skip the drive ("C:") and the root; they cannot be created.
    if (end && i > 0 && path[i - 1] != L':') {
      wmemcpy(partial, path, i);
      partial[i] = L'\0';
      CreateDirectoryW(partial, nullptr);
    }
  }
}

bool state_folder(wchar_t* out, size_t size) {
  DWORD n = GetEnvironmentVariableW(L"VEXA_SIM_DIR", out, static_cast<DWORD>(size));
  if (n > 0 && n < size) return true;
  n = GetEnvironmentVariableW(L"ProgramData", out, static_cast<DWORD>(size));
  if (n == 0 || n >= size) {
    if (size < 15) return false;
    wcscpy(out, L"C:\\ProgramData");
  }
  size_t len = wcslen(out);
  const wchar_t sub[] = L"\\VexaSim";
  if (len + wcslen(sub) + 1 > size) return false;
  wcscpy(out + len, sub);
  return true;
}

bool state_is_valid(const EcModelState* s) {
  return s->magic == EC_MODEL_MAGIC && s->version == EC_MODEL_VERSION;
}

// Opens the file at its exact size and maps it; a resized file is reset by the caller.
bool map_state_file(EcStateFile* f, bool* resized) {
  wchar_t folder[MAX_PATH], path[MAX_PATH];
  if (!state_folder(folder, MAX_PATH) || !ec_state_path(path, MAX_PATH)) return false;
  create_folders(folder);
  HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE,
                            FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                            OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  LARGE_INTEGER size = {};
  bool ok = GetFileSizeEx(file, &size) != 0;
  *resized = ok && size.QuadPart != LONGLONG(sizeof(EcModelState));
  if (ok && *resized) {
    LARGE_INTEGER want = {};
    want.QuadPart = sizeof(EcModelState);
    ok = SetFilePointerEx(file, want, nullptr, FILE_BEGIN) && SetEndOfFile(file);
  }
  if (ok) {
    f->mapping = CreateFileMappingW(file, nullptr, PAGE_READWRITE, 0, 0, nullptr);
  }
  CloseHandle(file);  // the mapping keeps the file open
  if (!f->mapping) return false;
  f->state = static_cast<EcModelState*>(
      MapViewOfFile(f->mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, sizeof(EcModelState)));
  return f->state != nullptr;
}

}  // namespace

bool ec_state_path(wchar_t* out, size_t size) {
  if (!state_folder(out, size)) return false;
  size_t len = wcslen(out);
  if (len + 1 + wcslen(FILE_NAME) + 1 > size) return false;
  out[len] = L'\\';
  wcscpy(out + len + 1, FILE_NAME);
  return true;
}

bool ec_state_open(EcStateFile* f) {
  f->mutex = CreateMutexW(nullptr, FALSE, MUTEX_NAME);
  if (!f->mutex || !ec_state_lock(f)) {
    ec_state_close(f);
    return false;
  }
  bool resized = false;
  bool ok = map_state_file(f, &resized);
  if (ok && (resized || !state_is_valid(f->state))) ec_model_reset(f->state);
  ec_state_unlock(f);
  if (!ok) ec_state_close(f);
  return ok;
}

void ec_state_close(EcStateFile* f) {
  if (f->state) UnmapViewOfFile(f->state);
  if (f->mapping) CloseHandle(f->mapping);
  if (f->mutex) CloseHandle(f->mutex);
  f->state = nullptr;
  f->mapping = nullptr;
  f->mutex = nullptr;
}

bool ec_state_lock(EcStateFile* f) {
  DWORD r = WaitForSingleObject(f->mutex, INFINITE);
  return r == WAIT_OBJECT_0 || r == WAIT_ABANDONED;
}

void ec_state_unlock(EcStateFile* f) { ReleaseMutex(f->mutex); }
