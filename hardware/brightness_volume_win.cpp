// Brightness through WMI, volume through Core Audio (Windows side of
// brightness_volume.h).
//
// Both are read ten times a second while the panel is shown. Connecting to
// WMI and walking Core Audio from the enumerator down to the endpoint for
// every read would cost a connection or a device activation per tick, so the
// WMI services and the endpoint's volume interface are kept. A call that
// fails drops what it used; the endpoint is also dropped when Core Audio
// reports a change of the default render device or of a device's state.
#include <windows.h>

#include <endpointvolume.h>
#include <mmdeviceapi.h>
#include <wbemidl.h>

#include "hardware/brightness_volume.h"
#include "hardware/com_ref.h"
#include "hardware/windows_ids.h"

namespace {

constexpr CLSID WBEM_LOCATOR_CLSID = {
    0x4590F811, 0x1D3A, 0x11D0, {0x89, 0x1F, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};
constexpr IID WBEM_LOCATOR_IID = {
    0xDC12A687, 0x737F, 0x11CF, {0x88, 0x4D, 0x00, 0xAA, 0x00, 0x4B, 0x2E, 0x24}};
constexpr IID NOTIFICATION_CLIENT_IID = {
    0x7991EEC9, 0x7E89, 0x4D85, {0x83, 0x90, 0x6C, 0x70, 0x3C, 0xEC, 0x60, 0xC0}};

// The brightness provider answers at once when there is one; the bound only
// keeps a provider that hangs from holding the panel's thread forever.
constexpr LONG WMI_WAIT_MS = 2000;

// A BSTR for the duration of one call.
struct Bstr {
  explicit Bstr(const wchar_t* text) : text(SysAllocString(text)) {}
  ~Bstr() { SysFreeString(text); }
  Bstr(const Bstr&) = delete;
  Bstr& operator=(const Bstr&) = delete;
  BSTR text;
};

// A VARIANT cleared when it goes out of scope.
struct Variant {
  Variant() { VariantInit(&value); }
  ~Variant() { VariantClear(&value); }
  Variant(const Variant&) = delete;
  Variant& operator=(const Variant&) = delete;
  VARIANT value;
};

ComRef<IWbemServices> wmi_services;
bool wmi_security_set = false;

// The ROOT\WMI services, connected on first use and kept.
IWbemServices* wmi() {
  if (wmi_services) return wmi_services.get();
  // Process-wide and only possible once; a later call (or one after COM has
  // already chosen the defaults) fails harmlessly, so the result is ignored.
  if (!wmi_security_set) {
    CoInitializeSecurity(nullptr, -1, nullptr, nullptr, RPC_C_AUTHN_LEVEL_DEFAULT,
                         RPC_C_IMP_LEVEL_IMPERSONATE, nullptr, EOAC_NONE, nullptr);
    wmi_security_set = true;
  }
  ComRef<IWbemLocator> locator;
  if (FAILED(CoCreateInstance(WBEM_LOCATOR_CLSID, nullptr, CLSCTX_INPROC_SERVER, WBEM_LOCATOR_IID,
                              locator.put_void()))) {
    return nullptr;
  }
  Bstr wmi_namespace(L"ROOT\\WMI");
  if (FAILED(locator->ConnectServer(wmi_namespace.text, nullptr, nullptr, nullptr, 0, nullptr,
                                    nullptr, wmi_services.put()))) {
    wmi_services.reset();
  }
  return wmi_services.get();
}

// The first object a WQL query on ROOT\WMI returns. S_OK with the object,
// S_FALSE when there is none (no provider for the class: an external
// display, Wine), or the failure of the call. A failed call may mean the
// WMI service went away, so the kept connection is dropped with it.
HRESULT first_object(const wchar_t* query, ComRef<IWbemClassObject>* object) {
  IWbemServices* services = wmi();
  if (!services) return E_FAIL;
  Bstr language(L"WQL"), text(query);
  ComRef<IEnumWbemClassObject> results;
  HRESULT result =
      services->ExecQuery(language.text, text.text,
                          WBEM_FLAG_FORWARD_ONLY | WBEM_FLAG_RETURN_IMMEDIATELY, nullptr,
                          results.put());
  ULONG count = 0;
  if (SUCCEEDED(result)) result = results->Next(WMI_WAIT_MS, 1, object->put(), &count);
  if (FAILED(result)) {
    wmi_services.reset();
    return result;
  }
  return count == 1 && object->get() ? S_OK : S_FALSE;
}

int32_t clamp_percent(int32_t value) { return value < 0 ? 0 : (value > 100 ? 100 : value); }

// Writes an input parameter of the brightness method with its CIM type.
bool put_parameter(IWbemClassObject* parameters, const wchar_t* name, VARTYPE type, int32_t value,
                   CIMTYPE cim_type) {
  Variant data;
  data.value.vt = type;
  if (type == VT_UI1) {
    data.value.bVal = BYTE(value);
  } else {
    data.value.lVal = value;
  }
  return SUCCEEDED(parameters->Put(name, 0, &data.value, cim_type));
}

// The method "WmiSetBrightness" of the first active monitor's methods
// object, called with `value` and no fade time.
bool set_brightness(int32_t value) {
  ComRef<IWbemClassObject> monitor;
  if (first_object(L"Select * From WmiMonitorBrightnessMethods Where Active = True", &monitor) !=
      S_OK) {
    return false;
  }
  IWbemServices* services = wmi();
  if (!services) return false;
  Bstr class_name(L"WmiMonitorBrightnessMethods"), method(L"WmiSetBrightness");
  ComRef<IWbemClassObject> methods_class, signature, parameters;
  if (FAILED(services->GetObject(class_name.text, 0, nullptr, methods_class.put(), nullptr)) ||
      FAILED(methods_class->GetMethod(method.text, 0, signature.put(), nullptr)) ||
      !signature || FAILED(signature->SpawnInstance(0, parameters.put()))) {
    return false;
  }
  if (!put_parameter(parameters.get(), L"Timeout", VT_I4, 0, CIM_UINT32) ||
      !put_parameter(parameters.get(), L"Brightness", VT_UI1, value, CIM_UINT8)) {
    return false;
  }
  Variant path;
  if (FAILED(monitor->Get(L"__PATH", 0, &path.value, nullptr, nullptr)) ||
      path.value.vt != VT_BSTR) {
    return false;
  }
  return SUCCEEDED(services->ExecMethod(path.value.bstrVal, method.text, 0, nullptr,
                                        parameters.get(), nullptr, nullptr));
}

// Tells the kept endpoint that it may be stale. Core Audio calls it on a
// thread of its own, so it only raises a flag that the next volume call
// reads. A static object: it lives as long as the program, so its reference
// count is not kept.
class EndpointWatch : public IMMNotificationClient {
 public:
  std::atomic<int32_t> changed{0};

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** out) override {
    if (iid == IID_IUnknown || iid == NOTIFICATION_CLIENT_IID) {
      *out = static_cast<IMMNotificationClient*>(this);
      return S_OK;
    }
    *out = nullptr;
    return E_NOINTERFACE;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }
  HRESULT STDMETHODCALLTYPE OnDefaultDeviceChanged(EDataFlow flow, ERole role, LPCWSTR) override {
    if (flow == eRender && role == eConsole) changed = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDeviceStateChanged(LPCWSTR, DWORD) override {
    changed = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnDeviceAdded(LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnDeviceRemoved(LPCWSTR) override {
    changed = 1;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnPropertyValueChanged(LPCWSTR, const PROPERTYKEY) override {
    return S_OK;
  }
};

EndpointWatch endpoint_watch;
ComRef<IMMDeviceEnumerator> device_enumerator;
ComRef<IAudioEndpointVolume> endpoint_volume;
bool watching_endpoints = false;

// The default render endpoint's volume interface, kept between calls.
IAudioEndpointVolume* default_endpoint_volume() {
  if (endpoint_watch.changed.exchange(0)) endpoint_volume.reset();
  if (endpoint_volume) return endpoint_volume.get();
  if (!device_enumerator) {
    if (FAILED(CoCreateInstance(windows_ids::DEVICE_ENUMERATOR_CLSID, nullptr, CLSCTX_INPROC_SERVER,
                                windows_ids::DEVICE_ENUMERATOR_IID, device_enumerator.put_void()))) {
      device_enumerator.reset();
      return nullptr;
    }
    watching_endpoints =
        SUCCEEDED(device_enumerator->RegisterEndpointNotificationCallback(&endpoint_watch));
  }
  ComRef<IMMDevice> device;
  if (FAILED(device_enumerator->GetDefaultAudioEndpoint(eRender, eConsole, device.put())) ||
      !device ||
      FAILED(device->Activate(windows_ids::ENDPOINT_VOLUME_IID, CLSCTX_INPROC_SERVER, nullptr,
                              endpoint_volume.put_void()))) {
    endpoint_volume.reset();
  }
  return endpoint_volume.get();
}

// Runs `call` on the default endpoint's volume interface. A kept interface
// that fails is dropped and the call tried once more on a fresh one: when
// the device went away (AUDCLNT_E_DEVICE_INVALIDATED) and Core Audio's news
// of it has not arrived yet, the new default device answers at once rather
// than one sync tick later.
template <typename Call>
bool on_default_endpoint(Call call) {
  for (int attempt = 0; attempt < 2; ++attempt) {
    const bool kept = endpoint_volume && !endpoint_watch.changed;
    IAudioEndpointVolume* volume = default_endpoint_volume();
    if (!volume) return false;
    if (SUCCEEDED(call(volume))) return true;
    endpoint_volume.reset();
    if (!kept) return false;
  }
  return false;
}

}  // namespace

int read_brightness(int32_t* value) {
  ComRef<IWbemClassObject> monitor;
  if (first_object(L"Select * From WmiMonitorBrightness Where Active = True", &monitor) != S_OK) {
    return 0;
  }
  Variant current;
  if (FAILED(monitor->Get(L"CurrentBrightness", 0, &current.value, nullptr, nullptr)) ||
      FAILED(VariantChangeType(&current.value, &current.value, 0, VT_I4))) {
    return 0;
  }
  *value = clamp_percent(current.value.lVal);
  return 1;
}

int write_brightness(int32_t value) { return set_brightness(clamp_percent(value)) ? 1 : 0; }

int read_volume(int32_t* value) {
  float scalar = 0.0f;
  if (!on_default_endpoint([&](IAudioEndpointVolume* volume) {
        return volume->GetMasterVolumeLevelScalar(&scalar);
      })) {
    return 0;
  }
  *value = volume_scalar_to_percent(scalar);
  return 1;
}

int write_volume(int32_t value) {
  const float scalar = float(clamp_percent(value)) / 100.0f;
  return on_default_endpoint([&](IAudioEndpointVolume* volume) {
           return volume->SetMasterVolumeLevelScalar(scalar, nullptr);
         })
             ? 1
             : 0;
}

void release_brightness_volume() {
  endpoint_volume.reset();
  if (device_enumerator && watching_endpoints) {
    device_enumerator->UnregisterEndpointNotificationCallback(&endpoint_watch);
  }
  watching_endpoints = false;
  device_enumerator.reset();
  wmi_services.reset();
}
