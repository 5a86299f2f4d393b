#include "audio_state.h"

#include <windows.h>

#include <cwchar>

namespace {

// %ProgramData%\VexaSim\audio.bin, beside the simulated EC's state.
bool state_path(wchar_t* out, size_t size, wchar_t* folder, size_t folder_size) {
  const DWORD length = GetEnvironmentVariableW(L"ProgramData", folder, DWORD(folder_size));
  if (length == 0 || length >= folder_size) return false;
  if (wcslen(folder) + 9 >= folder_size) return false;
  wcscat(folder, L"\\VexaSim");
  return swprintf(out, size, L"%ls\\audio.bin", folder) > 0;
}

}  // namespace

AudioState* audio_state() {
  static AudioState* state = nullptr;
  if (state) return state;
  wchar_t folder[MAX_PATH], path[MAX_PATH];
  if (!state_path(path, MAX_PATH, folder, MAX_PATH)) return nullptr;
  CreateDirectoryW(folder, nullptr);
  // The mutex makes the first two users agree on who initialises.
  HANDLE mutex = CreateMutexW(nullptr, FALSE, L"Local\\VexaSimAudioLock");
  if (!mutex) return nullptr;
  WaitForSingleObject(mutex, INFINITE);
  HANDLE file = CreateFileW(path, GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                            nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  HANDLE mapping = nullptr;
  if (file != INVALID_HANDLE_VALUE) {
    mapping = CreateFileMappingW(file, nullptr, PAGE_READWRITE, 0, sizeof(AudioState),
                                 L"Local\\VexaSimAudio");
  }
  if (mapping) {
    state = static_cast<AudioState*>(
        MapViewOfFile(mapping, FILE_MAP_ALL_ACCESS, 0, 0, sizeof(AudioState)));
    if (state && state->magic != AUDIO_STATE_MAGIC) {
      state->generation = 1;
      state->master = AUDIO_STATE_START_VOLUME;
      state->writes = 0;
      state->magic = AUDIO_STATE_MAGIC;
    }
  }
  ReleaseMutex(mutex);
  // The handles stay open: the view must outlive this call.
  return state;
}
