// The simulated audio endpoint's state, shared by every process of a Wine
// prefix: a mapping of %ProgramData%\VexaSim\audio.bin, so it also outlives
// the processes. audiosim.dll serves it through Core Audio, audiosim.exe
// changes it. Windows only.
#pragma once

#include <cstdint>

struct AudioState {
  uint32_t magic;       // AUDIO_STATE_MAGIC once initialised
  uint32_t generation;  // the default device's identity; a new one invalidates the old
  float master;         // master volume scalar, 0.0 .. 1.0
  uint32_t writes;      // SetMasterVolumeLevelScalar calls taken
};

constexpr uint32_t AUDIO_STATE_MAGIC = 0x56534144;  // "DASV"
// A fresh endpoint's volume: not Wine's own 1.0, so a test can tell which
// endpoint answered.
constexpr float AUDIO_STATE_START_VOLUME = 0.75f;

// The shared state, mapped on first use and kept for the process; null when
// the mapping cannot be made.
AudioState* audio_state();
