// volume_sync_latency.exe PERCENT X Y: sets the master volume through Core
// Audio, as the volume keys would, and reports how long the panel takes to
// show it: the time until the screen pixel at X,Y (a point of the volume
// slider just past its old value) changes colour. Prints milliseconds, or
// "timeout" after 5 s. For tools/measure-volume-sync.sh.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <cstdio>
#include <cstdlib>

#include "hardware/windows_ids.h"

namespace {


IAudioEndpointVolume* default_endpoint_volume() {
  IMMDeviceEnumerator* enumerator = nullptr;
  IMMDevice* device = nullptr;
  IAudioEndpointVolume* volume = nullptr;
  if (SUCCEEDED(CoCreateInstance(windows_ids::DEVICE_ENUMERATOR_CLSID, nullptr, CLSCTX_INPROC_SERVER, windows_ids::DEVICE_ENUMERATOR_IID,
                                 reinterpret_cast<void**>(&enumerator)))) {
    if (SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device))) {
      device->Activate(windows_ids::ENDPOINT_VOLUME_IID, CLSCTX_INPROC_SERVER, nullptr,
                       reinterpret_cast<void**>(&volume));
      device->Release();
    }
    enumerator->Release();
  }
  return volume;
}

double now_ms() {
  LARGE_INTEGER frequency, count;
  QueryPerformanceFrequency(&frequency);
  QueryPerformanceCounter(&count);
  return double(count.QuadPart) * 1000.0 / double(frequency.QuadPart);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fputs("usage: volume_sync_latency PERCENT X Y\n", stderr);
    return 2;
  }
  const float level = float(std::atoi(argv[1])) / 100.0f;
  const int x = std::atoi(argv[2]), y = std::atoi(argv[3]);
  CoInitializeEx(nullptr, COINIT_MULTITHREADED);
  IAudioEndpointVolume* volume = default_endpoint_volume();
  if (!volume) {
    std::puts("no endpoint");
    return 1;
  }
  HDC screen = GetDC(nullptr);
  const COLORREF before = GetPixel(screen, x, y);
  const double start = now_ms();
  if (FAILED(volume->SetMasterVolumeLevelScalar(level, nullptr))) {
    std::puts("refused");
    return 1;
  }
  int code = 1;
  while (now_ms() - start < 5000.0) {
    if (GetPixel(screen, x, y) != before) {
      std::printf("%.0f\n", now_ms() - start);
      code = 0;
      break;
    }
    Sleep(1);
  }
  if (code) std::puts("timeout");
  ReleaseDC(nullptr, screen);
  volume->Release();
  CoUninitialize();
  return code;
}
