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

namespace {

constexpr CLSID ENUMERATOR_CLSID = {
    0xBCDE0395, 0xE52F, 0x467C, {0x8E, 0x3D, 0xC4, 0x57, 0x92, 0x91, 0x69, 0x2E}};
constexpr IID ENUMERATOR_IID = {
    0xA95664D2, 0x9614, 0x4F35, {0xA7, 0x46, 0xDE, 0x8D, 0xB6, 0x36, 0x17, 0xE6}};
constexpr IID VOLUME_IID = {
    0x5CDF2C82, 0x841E, 0x4546, {0x97, 0x22, 0x0C, 0xF7, 0x40, 0x78, 0x22, 0x9A}};

IAudioEndpointVolume* default_endpoint_volume() {
  IMMDeviceEnumerator* enumerator = nullptr;
  IMMDevice* device = nullptr;
  IAudioEndpointVolume* volume = nullptr;
  if (SUCCEEDED(CoCreateInstance(ENUMERATOR_CLSID, nullptr, CLSCTX_INPROC_SERVER, ENUMERATOR_IID,
                                 reinterpret_cast<void**>(&enumerator)))) {
    if (SUCCEEDED(enumerator->GetDefaultAudioEndpoint(eRender, eConsole, &device))) {
      device->Activate(VOLUME_IID, CLSCTX_INPROC_SERVER, nullptr,
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
