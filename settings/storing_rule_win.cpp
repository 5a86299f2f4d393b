#include "settings/storing_rule.h"

#include "settings/settings_store.h"

int store_committed_setting(const char* name, int32_t value) {
  return store_setting(name, value);
}
