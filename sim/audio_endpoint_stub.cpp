// audiosim.dll: a Core Audio device enumerator with one render endpoint
// whose master volume every process of the prefix shares (audio_state.h).
//
// Wine's own endpoint reads a master volume of 1.0 whatever happens and
// refuses SetMasterVolumeLevelScalar (E_NOTIMPL), so nothing a second process
// does can be seen by the program. Registered in a test prefix
// (`wine regsvr32 audiosim.dll`) in place of Wine's enumerator, this one
// lets a test change the volume from outside as the volume keys would, and
// replace the default device (`audiosim replace`), after which the objects
// of the old one answer AUDCLNT_E_DEVICE_INVALIDATED as Windows' do.
//
// Only what the program and audiosim.exe call is served; everything else
// answers E_NOTIMPL. Endpoint notifications are accepted but never sent.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>

#include <atomic>
#include <cwchar>
#include <new>

#include "audio_state.h"
#include "hardware/windows_ids.h"

namespace {

constexpr IID DEVICE_IID = {
    0xD666063F, 0x1587, 0x4E43, {0x81, 0xF1, 0xB9, 0x48, 0xE8, 0x07, 0x36, 0x3F}};
constexpr HRESULT DEVICE_INVALIDATED = HRESULT(0x88890004);
constexpr HRESULT NOT_FOUND = HRESULT(0x80070490);

HMODULE this_module = nullptr;
std::atomic<long> live_objects{0};

// Reference counting and QueryInterface for an object with one interface.
template <typename Interface>
class ComObject : public Interface {
 public:
  explicit ComObject(const IID& iid) : iid_(iid) { ++live_objects; }
  virtual ~ComObject() { --live_objects; }

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    if (iid == IID_IUnknown || iid == iid_) {
      *out = static_cast<Interface*>(this);
      this->AddRef();
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return ULONG(++references_); }
  ULONG STDMETHODCALLTYPE Release() override {
    const long left = --references_;
    if (left == 0) delete this;
    return ULONG(left);
  }

 private:
  const IID& iid_;
  std::atomic<long> references_{1};
};

// The volume interface of the device of one generation.
class EndpointVolume : public ComObject<IAudioEndpointVolume> {
 public:
  explicit EndpointVolume(uint32_t generation)
      : ComObject(windows_ids::ENDPOINT_VOLUME_IID), generation_(generation) {}

  HRESULT STDMETHODCALLTYPE GetMasterVolumeLevelScalar(FLOAT* level) override {
    if (!level) return E_POINTER;
    AudioState* state = current();
    if (!state) return DEVICE_INVALIDATED;
    *level = state->master;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE SetMasterVolumeLevelScalar(FLOAT level, LPCGUID) override {
    if (!(level >= 0.0f && level <= 1.0f)) return E_INVALIDARG;
    AudioState* state = current();
    if (!state) return DEVICE_INVALIDATED;
    state->master = level;
    ++state->writes;
    return S_OK;
  }

  HRESULT STDMETHODCALLTYPE RegisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE UnregisterControlChangeNotify(IAudioEndpointVolumeCallback*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetChannelCount(UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetMasterVolumeLevel(FLOAT, LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMasterVolumeLevel(FLOAT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE SetChannelVolumeLevel(UINT, FLOAT, LPCGUID) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetChannelVolumeLevelScalar(UINT, FLOAT, LPCGUID) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetChannelVolumeLevel(UINT, FLOAT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetChannelVolumeLevelScalar(UINT, FLOAT*) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE SetMute(WINBOOL, LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetMute(WINBOOL*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVolumeStepInfo(UINT*, UINT*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE VolumeStepUp(LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE VolumeStepDown(LPCGUID) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE QueryHardwareSupport(DWORD*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE GetVolumeRange(FLOAT*, FLOAT*, FLOAT*) override { return E_NOTIMPL; }

 private:
  // The shared state while this object's device is still the default one.
  AudioState* current() const {
    AudioState* state = audio_state();
    return state && state->generation == generation_ ? state : nullptr;
  }
  const uint32_t generation_;
};

class Device : public ComObject<IMMDevice> {
 public:
  explicit Device(uint32_t generation) : ComObject(DEVICE_IID), generation_(generation) {}

  HRESULT STDMETHODCALLTYPE Activate(REFIID iid, DWORD, PROPVARIANT*, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (iid != windows_ids::ENDPOINT_VOLUME_IID) return E_NOINTERFACE;
    AudioState* state = audio_state();
    if (!state || state->generation != generation_) return DEVICE_INVALIDATED;
    *out = static_cast<IAudioEndpointVolume*>(new (std::nothrow) EndpointVolume(generation_));
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE OpenPropertyStore(DWORD, IPropertyStore**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetId(LPWSTR* id) override {
    if (!id) return E_POINTER;
    *id = static_cast<LPWSTR>(CoTaskMemAlloc(64 * sizeof(wchar_t)));
    if (!*id) return E_OUTOFMEMORY;
    swprintf(*id, 64, L"{0.0.0.00000000}.{vexa-sim-speakers-%u}", unsigned(generation_));
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE GetState(DWORD* state) override {
    if (!state) return E_POINTER;
    *state = DEVICE_STATE_ACTIVE;
    return S_OK;
  }

 private:
  const uint32_t generation_;
};

class Enumerator : public ComObject<IMMDeviceEnumerator> {
 public:
  Enumerator() : ComObject(windows_ids::DEVICE_ENUMERATOR_IID) {}

  HRESULT STDMETHODCALLTYPE GetDefaultAudioEndpoint(EDataFlow flow, ERole,
                                                    IMMDevice** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    AudioState* state = audio_state();
    if (flow != eRender || !state) return NOT_FOUND;
    *out = new (std::nothrow) Device(state->generation);
    return *out ? S_OK : E_OUTOFMEMORY;
  }
  HRESULT STDMETHODCALLTYPE EnumAudioEndpoints(EDataFlow, DWORD, IMMDeviceCollection**) override {
    return E_NOTIMPL;
  }
  HRESULT STDMETHODCALLTYPE GetDevice(LPCWSTR, IMMDevice**) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE RegisterEndpointNotificationCallback(IMMNotificationClient*) override {
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE
  UnregisterEndpointNotificationCallback(IMMNotificationClient*) override {
    return S_OK;
  }
};

class Factory : public ComObject<IClassFactory> {
 public:
  Factory() : ComObject(IID_IClassFactory) {}

  HRESULT STDMETHODCALLTYPE CreateInstance(IUnknown* outer, REFIID iid, void** out) override {
    if (!out) return E_POINTER;
    *out = nullptr;
    if (outer) return CLASS_E_NOAGGREGATION;
    Enumerator* enumerator = new (std::nothrow) Enumerator();
    if (!enumerator) return E_OUTOFMEMORY;
    const HRESULT result = enumerator->QueryInterface(iid, out);
    enumerator->Release();
    return result;
  }
  HRESULT STDMETHODCALLTYPE LockServer(BOOL) override { return S_OK; }
};

// HKLM\Software\Classes\CLSID\{...}\InprocServer32 of the enumerator's class.
const wchar_t SERVER_KEY[] =
    L"Software\\Classes\\CLSID\\{BCDE0395-E52F-467C-8E3D-C4579291692E}\\InprocServer32";

LONG set_server(const wchar_t* path) {
  HKEY key = nullptr;
  LONG result = RegCreateKeyExW(HKEY_LOCAL_MACHINE, SERVER_KEY, 0, nullptr, 0, KEY_SET_VALUE,
                                nullptr, &key, nullptr);
  if (result != ERROR_SUCCESS) return result;
  result = RegSetValueExW(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(path),
                          DWORD((wcslen(path) + 1) * sizeof(wchar_t)));
  static const wchar_t THREADING[] = L"Both";
  if (result == ERROR_SUCCESS) {
    result = RegSetValueExW(key, L"ThreadingModel", 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(THREADING), sizeof(THREADING));
  }
  RegCloseKey(key);
  return result;
}

}  // namespace

extern "C" BOOL WINAPI DllMain(HINSTANCE instance, DWORD reason, LPVOID) {
  if (reason == DLL_PROCESS_ATTACH) this_module = instance;
  return TRUE;
}

extern "C" HRESULT WINAPI DllGetClassObject(REFCLSID clsid, REFIID iid, void** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (clsid != windows_ids::DEVICE_ENUMERATOR_CLSID) return CLASS_E_CLASSNOTAVAILABLE;
  Factory* factory = new (std::nothrow) Factory();
  if (!factory) return E_OUTOFMEMORY;
  const HRESULT result = factory->QueryInterface(iid, out);
  factory->Release();
  return result;
}

extern "C" HRESULT WINAPI DllCanUnloadNow() { return live_objects == 0 ? S_OK : S_FALSE; }

// Points the enumerator's class at this DLL (for the test prefix only).
extern "C" HRESULT WINAPI DllRegisterServer() {
  wchar_t path[MAX_PATH];
  const DWORD length = GetModuleFileNameW(this_module, path, MAX_PATH);
  if (length == 0 || length >= MAX_PATH) return E_FAIL;
  return HRESULT_FROM_WIN32(set_server(path));
}

// Gives the class back to the system's own enumerator.
extern "C" HRESULT WINAPI DllUnregisterServer() {
  return HRESULT_FROM_WIN32(set_server(L"C:\\windows\\system32\\mmdevapi.dll"));
}
