// The simulated EC's state as WinRing0x64.dll and ecsim.exe share it: a file
// mapping of %ProgramData%\VexaSim\ec.bin (VEXA_SIM_DIR names another folder),
// guarded by the named mutex "VexaSimEc". Windows only.
#pragma once

#include <windows.h>

#include <cstddef>

#include "ec_model.h"

struct EcStateFile {
  HANDLE mapping = nullptr;
  HANDLE mutex = nullptr;
  EcModelState* state = nullptr;
};

/**
 * Writes the state file's full path into out (folder from VEXA_SIM_DIR, else
 * %ProgramData%\VexaSim).
 * @return false when it does not fit in size characters
 */
bool ec_state_path(wchar_t* out, size_t size);

/**
 * Opens (creating folder and file on first use) and maps the state; a file
 * that is new, of another size, or of another model version gets the
 * power-on state. Done under the mutex so that two first users agree.
 * @return false, with f left closed, when any step fails
 */
bool ec_state_open(EcStateFile* f);

/** Unmaps and closes what ec_state_open opened; safe on a closed one. */
void ec_state_close(EcStateFile* f);

/** Takes the cross-process mutex (also when a previous owner died holding it). */
bool ec_state_lock(EcStateFile* f);
void ec_state_unlock(EcStateFile* f);
