// The user's Windows UI language (a LANGID such as 0x0409 or 0x0804).
#pragma once

#include <cstdint>

uint16_t user_ui_language();
