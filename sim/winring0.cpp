// Stand-in for WinRing0x64.dll 1.3 (OpenLibSys): the 54 entry points of the
// real library (names and ordinals in winring0.def), of which only the byte
// port I/O does anything: ports 0x66/0x62 reach the simulated EC of
// ec_model.cpp, whose state lives in the shared file of ec_state_file.cpp so
// that ecsim.exe sees the same EC. Everything else answers like a library
// whose features are absent: 0 / FALSE with the out-parameters zeroed.
//
// Each single port access holds the mutex "VexaSimEc" and nothing longer: a
// whole transaction is the caller's to serialise (the program's own EC lock),
// and the model's violation counter is how tests see whether it did.
//
// With a hold set (`ecsim hold MS`), the thread that writes a command byte
// stays inside that call, with the mutex released, until another thread
// touches a port or MS have passed. Two unserialised transactions then meet
// for certain, not by the luck of the scheduler; serialised ones never do,
// and each just costs the hold.
#include <windows.h>

#include "ec_model.h"
#include "ec_state_file.h"

namespace {

EcStateFile g_ec;
INIT_ONCE g_ec_once = INIT_ONCE_STATIC_INIT;

// Opened on the first port access rather than in DllMain, where file and
// mutex creation under the loader lock is best avoided.
BOOL CALLBACK open_ec_once(PINIT_ONCE, PVOID, PVOID*) {
  ec_state_open(&g_ec);
  return TRUE;
}

EcModelState* lock_ec() {
  InitOnceExecuteOnce(&g_ec_once, open_ec_once, nullptr, nullptr);
  if (!g_ec.state || !ec_state_lock(&g_ec)) return nullptr;
  EcModelState* s = g_ec.state;
  s->client = GetCurrentThreadId();
  if (s->hold_owner != 0 && s->hold_owner != s->client) s->hold_intruded = 1;
  ec_model_step_thermal(s, GetTickCount64());
  return s;
}

// The hold after a command byte (see above); called with the mutex held,
// returns with it released.
void hold_transaction(EcModelState* s) {
  const uint32_t hold_ms = s->hold_ms;
  if (hold_ms == 0 || s->hold_owner != 0) {
    ec_state_unlock(&g_ec);
    return;
  }
  s->hold_owner = s->client;
  s->hold_intruded = 0;
  ec_state_unlock(&g_ec);
  const ULONGLONG end = GetTickCount64() + hold_ms;
  for (;;) {
    Sleep(1);
    if (!ec_state_lock(&g_ec)) return;
    bool over = s->hold_intruded || GetTickCount64() >= end;
    if (over) {
      if (s->hold_intruded) s->holds_intruded++;
      s->hold_owner = 0;
      s->hold_intruded = 0;
    }
    ec_state_unlock(&g_ec);
    if (over) return;
  }
}

// True unless the thread is known to have ended (an id that cannot be opened
// for lack of rights counts as alive).
bool thread_alive(DWORD id) {
  HANDLE h = OpenThread(SYNCHRONIZE, FALSE, id);
  if (!h) return GetLastError() == ERROR_ACCESS_DENIED;
  bool alive = WaitForSingleObject(h, 0) == WAIT_TIMEOUT;
  CloseHandle(h);
  return alive;
}

// A command from another thread while a transaction is in progress is a
// violation, unless the thread that started it has ended (a test process
// that gave up on a slow EC and exited): then the transaction is dropped.
void drop_orphaned_transaction(EcModelState* s) {
  if (s->phase != EC_PHASE_IDLE && s->owner != s->client && !thread_alive(s->owner)) {
    ec_model_drop_transaction(s);
  }
}

bool is_ec_port(WORD port) { return port == EC_MODEL_STATUS_PORT || port == EC_MODEL_DATA_PORT; }

template <typename T>
void zero(T* p) {
  if (p) *p = 0;
}

}  // namespace

extern "C" {

BOOL WINAPI DllMain(HINSTANCE, DWORD reason, LPVOID reserved) {
  // On FreeLibrary (reserved == NULL) give the handles back; at process exit
  // the system does that and other threads may be gone mid-access.
  if (reason == DLL_PROCESS_DETACH && reserved == nullptr) ec_state_close(&g_ec);
  return TRUE;
}

DWORD WINAPI GetDllStatus() { return 0; }  // OLS_DLL_NO_ERROR

DWORD WINAPI GetDllVersion(PBYTE major, PBYTE minor, PBYTE revision, PBYTE release) {
  zero(major), zero(minor), zero(revision), zero(release);
  return 0;
}

DWORD WINAPI GetDriverVersion(PBYTE major, PBYTE minor, PBYTE revision, PBYTE release) {
  zero(major), zero(minor), zero(revision), zero(release);
  return 0;
}

DWORD WINAPI GetDriverType() { return 0; }
BOOL WINAPI InitializeOls() { return TRUE; }
VOID WINAPI DeinitializeOls() {}  // the state stays mapped until the DLL is unloaded

BOOL WINAPI IsCpuid() { return FALSE; }
BOOL WINAPI IsMsr() { return FALSE; }
BOOL WINAPI IsTsc() { return FALSE; }

BOOL WINAPI Hlt() { return FALSE; }
BOOL WINAPI HltTx(DWORD_PTR) { return FALSE; }
BOOL WINAPI HltPx(DWORD_PTR) { return FALSE; }

BOOL WINAPI Rdmsr(DWORD, PDWORD eax, PDWORD edx) {
  zero(eax), zero(edx);
  return FALSE;
}
BOOL WINAPI RdmsrTx(DWORD, PDWORD eax, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(edx);
  return FALSE;
}
BOOL WINAPI RdmsrPx(DWORD, PDWORD eax, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(edx);
  return FALSE;
}

BOOL WINAPI Wrmsr(DWORD, DWORD, DWORD) { return FALSE; }
BOOL WINAPI WrmsrTx(DWORD, DWORD, DWORD, DWORD_PTR) { return FALSE; }
BOOL WINAPI WrmsrPx(DWORD, DWORD, DWORD, DWORD_PTR) { return FALSE; }

BOOL WINAPI Rdpmc(DWORD, PDWORD eax, PDWORD edx) {
  zero(eax), zero(edx);
  return FALSE;
}
BOOL WINAPI RdpmcTx(DWORD, PDWORD eax, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(edx);
  return FALSE;
}
BOOL WINAPI RdpmcPx(DWORD, PDWORD eax, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(edx);
  return FALSE;
}

BOOL WINAPI Cpuid(DWORD, PDWORD eax, PDWORD ebx, PDWORD ecx, PDWORD edx) {
  zero(eax), zero(ebx), zero(ecx), zero(edx);
  return FALSE;
}
BOOL WINAPI CpuidTx(DWORD, PDWORD eax, PDWORD ebx, PDWORD ecx, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(ebx), zero(ecx), zero(edx);
  return FALSE;
}
BOOL WINAPI CpuidPx(DWORD, PDWORD eax, PDWORD ebx, PDWORD ecx, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(ebx), zero(ecx), zero(edx);
  return FALSE;
}

BOOL WINAPI Rdtsc(PDWORD eax, PDWORD edx) {
  zero(eax), zero(edx);
  return FALSE;
}
BOOL WINAPI RdtscTx(PDWORD eax, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(edx);
  return FALSE;
}
BOOL WINAPI RdtscPx(PDWORD eax, PDWORD edx, DWORD_PTR) {
  zero(eax), zero(edx);
  return FALSE;
}

BYTE WINAPI ReadIoPortByte(WORD port) {
  if (!is_ec_port(port)) return 0xFF;
  EcModelState* s = lock_ec();
  if (!s) return 0xFF;
  BYTE value = ec_model_read_port(s, port);
  ec_state_unlock(&g_ec);
  return value;
}

VOID WINAPI WriteIoPortByte(WORD port, BYTE value) {
  if (!is_ec_port(port)) return;
  EcModelState* s = lock_ec();
  if (!s) return;
  if (port == EC_MODEL_STATUS_PORT) drop_orphaned_transaction(s);
  ec_model_write_port(s, port, value);
  if (port == EC_MODEL_STATUS_PORT) {
    hold_transaction(s);
  } else {
    ec_state_unlock(&g_ec);
  }
}

WORD WINAPI ReadIoPortWord(WORD) { return 0; }
DWORD WINAPI ReadIoPortDword(WORD) { return 0; }
VOID WINAPI WriteIoPortWord(WORD, WORD) {}
VOID WINAPI WriteIoPortDword(WORD, DWORD) {}

BOOL WINAPI ReadIoPortByteEx(WORD, PBYTE value) {
  zero(value);
  return FALSE;
}
BOOL WINAPI ReadIoPortWordEx(WORD, PWORD value) {
  zero(value);
  return FALSE;
}
BOOL WINAPI ReadIoPortDwordEx(WORD, PDWORD value) {
  zero(value);
  return FALSE;
}
BOOL WINAPI WriteIoPortByteEx(WORD, BYTE) { return FALSE; }
BOOL WINAPI WriteIoPortWordEx(WORD, WORD) { return FALSE; }
BOOL WINAPI WriteIoPortDwordEx(WORD, DWORD) { return FALSE; }

VOID WINAPI SetPciMaxBusIndex(BYTE) {}

BYTE WINAPI ReadPciConfigByte(DWORD, BYTE) { return 0; }
WORD WINAPI ReadPciConfigWord(DWORD, BYTE) { return 0; }
DWORD WINAPI ReadPciConfigDword(DWORD, BYTE) { return 0; }
VOID WINAPI WritePciConfigByte(DWORD, BYTE, BYTE) {}
VOID WINAPI WritePciConfigWord(DWORD, BYTE, WORD) {}
VOID WINAPI WritePciConfigDword(DWORD, BYTE, DWORD) {}

// No PCI bus here. 0 like every unused entry point of this stand-in (the
// real library answers 0xFFFFFFFF, its error address, when nothing is found).
DWORD WINAPI FindPciDeviceById(WORD, WORD, BYTE) { return 0; }
DWORD WINAPI FindPciDeviceByClass(BYTE, BYTE, BYTE, BYTE) { return 0; }

BOOL WINAPI ReadPciConfigByteEx(DWORD, DWORD, PBYTE value) {
  zero(value);
  return FALSE;
}
BOOL WINAPI ReadPciConfigWordEx(DWORD, DWORD, PWORD value) {
  zero(value);
  return FALSE;
}
BOOL WINAPI ReadPciConfigDwordEx(DWORD, DWORD, PDWORD value) {
  zero(value);
  return FALSE;
}
BOOL WINAPI WritePciConfigByteEx(DWORD, DWORD, BYTE) { return FALSE; }
BOOL WINAPI WritePciConfigWordEx(DWORD, DWORD, WORD) { return FALSE; }
BOOL WINAPI WritePciConfigDwordEx(DWORD, DWORD, DWORD) { return FALSE; }

}  // extern "C"
