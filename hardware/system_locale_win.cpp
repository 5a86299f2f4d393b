#include <windows.h>

#include "hardware/system_locale.h"

uint16_t user_ui_language() { return GetUserDefaultUILanguage(); }
