// audiosim.exe: the master volume as any other program sees it, through Core
// Audio's default render endpoint, whichever enumerator serves it (Wine's
// own, or audiosim.dll registered in its place); and the stand-in's device
// replacement.
//
//   audiosim get        print the master volume in percent (rounded)
//   audiosim set PCT    set it, as the volume keys or a mixer would
//   audiosim replace    audiosim.dll only: the default device becomes a new
//                       one; the old one's objects stop answering
//
// Exit: 0 done, 1 Core Audio refused (its HRESULT is printed), 2 bad usage.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "audio_state.h"
#include "hardware/windows_ids.h"

namespace {


int refused(const char* step, HRESULT result) {
  std::printf("%s: 0x%08lX\n", step, static_cast<unsigned long>(result));
  return 1;
}

// Runs `command` on the default render endpoint's volume interface.
int with_endpoint(const char* command, long percent) {
  IMMDeviceEnumerator* enumerator = nullptr;
  HRESULT result = CoCreateInstance(windows_ids::DEVICE_ENUMERATOR_CLSID, nullptr, CLSCTX_INPROC_SERVER,
                                    windows_ids::DEVICE_ENUMERATOR_IID, reinterpret_cast<void**>(&enumerator));
  if (FAILED(result)) return refused("CoCreateInstance", result);
  IMMDevice* device = nullptr;
  result = enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device);
  enumerator->Release();
  if (FAILED(result)) return refused("GetDefaultAudioEndpoint", result);
  IAudioEndpointVolume* volume = nullptr;
  result = device->Activate(windows_ids::ENDPOINT_VOLUME_IID, CLSCTX_INPROC_SERVER, nullptr,
                            reinterpret_cast<void**>(&volume));
  device->Release();
  if (FAILED(result)) return refused("Activate", result);
  int code = 0;
  if (std::strcmp(command, "get") == 0) {
    float level = 0.0f;
    result = volume->GetMasterVolumeLevelScalar(&level);
    if (FAILED(result)) {
      code = refused("GetMasterVolumeLevelScalar", result);
    } else {
      std::printf("%d\n", int(level * 100.0f + 0.5f));
    }
  } else {
    result = volume->SetMasterVolumeLevelScalar(float(percent) / 100.0f, nullptr);
    if (FAILED(result)) code = refused("SetMasterVolumeLevelScalar", result);
  }
  volume->Release();
  return code;
}

}  // namespace

int main(int argc, char** argv) {
  const char* command = argc > 1 ? argv[1] : "";
  if (std::strcmp(command, "replace") == 0 && argc == 2) {
    AudioState* state = audio_state();
    if (!state) return refused("audio state", E_FAIL);
    ++state->generation;
    return 0;
  }
  long percent = 0;
  if (std::strcmp(command, "set") == 0 && argc == 3) {
    char* end = nullptr;
    percent = std::strtol(argv[2], &end, 10);
    if (*end || percent < 0 || percent > 100) command = "";
  } else if (std::strcmp(command, "get") != 0 || argc != 2) {
    command = "";
  }
  if (!*command) {
    std::fputs("usage: audiosim get | set PERCENT | replace\n", stderr);
    return 2;
  }
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  const int code = with_endpoint(command, percent);
  CoUninitialize();
  return code;
}
