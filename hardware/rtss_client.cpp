#include "hardware/rtss_client.h"

#include <cstdio>
#include <cstring>

namespace {

void forget_hooks(RtssClient* client, const RtssOps& ops) {
  if (client->module) ops.free_library(client->module);
  client->module = nullptr;
  client->hooks = RtssHooks{};
}

// Entry points come back as untyped addresses; each is given the type of
// its RtssHooks member. On x64 every exported function shares one calling
// convention, so the cast is exact.
template <typename Function>
void take(void* address, Function* out) {
  *out = reinterpret_cast<Function>(address);
}

bool resolve_hooks(void* module, const RtssOps& ops, RtssHooks* hooks) {
  void* found[8];
  for (int i = 0; i < 8; ++i) {
    found[i] = ops.resolve(module, RTSS_HOOK_NAMES[i]);
    if (!found[i]) return false;
  }
  take(found[0], &hooks->enum_profiles);
  take(found[1], &hooks->load_profile);
  take(found[2], &hooks->save_profile);
  take(found[3], &hooks->get_profile_property);
  take(found[4], &hooks->set_profile_property);
  take(found[5], &hooks->delete_profile);
  take(found[6], &hooks->reset_profile);
  take(found[7], &hooks->update_profiles);
  return true;
}

void read_install_path(RtssClient* client, const RtssOps& ops) {
  char path[RTSS_PATH_SIZE] = "";
  if (!ops.read_install_path(path, sizeof(path))) return;
  path[sizeof(path) - 1] = '\0';
  std::memcpy(client->install_path, path, sizeof(path));
}

}  // namespace

bool rtss_hooks_path(const char* install_path, char* out, size_t size) {
  const char* slash = std::strrchr(install_path, '\\');
  size_t folder = slash ? size_t(slash - install_path) : 0;
  int written = std::snprintf(out, size, "%.*s\\%s", int(folder), install_path, RTSS_HOOKS_FILE);
  if (written < 0 || size_t(written) >= size) {
    if (size) out[0] = '\0';
    return false;
  }
  return true;
}

bool rtss_load_hooks(RtssClient* client, const RtssOps& ops) {
  forget_hooks(client, ops);
  char path[RTSS_PATH_SIZE];
  if (!rtss_hooks_path(client->install_path, path, sizeof(path))) return false;
  void* module = ops.load_library(path);
  if (!module) return false;
  RtssHooks hooks{};
  if (!resolve_hooks(module, ops, &hooks)) {
    ops.free_library(module);
    return false;
  }
  client->module = module;
  client->hooks = hooks;
  return true;
}

uint8_t rtss_set_limit(RtssClient* client, const RtssOps& ops, int32_t limit) {
  if (!client->install_path[0]) read_install_path(client, ops);
  const bool path_missing = !client->install_path[0];
  if (!path_missing && !client->module) rtss_load_hooks(client, ops);

  // The shared memory is only the sign that RTSS runs; nothing is read from it.
  if (!ops.shared_memory_present() && !path_missing) {
    ops.start_program(client->install_path);
    ops.sleep_ms(RTSS_START_GRACE_MS);
  }
  uint8_t result = RTSS_NOT_RUNNING;
  const RtssHooks& hooks = client->hooks;
  if (ops.shared_memory_present()) {
    result = path_missing ? RTSS_NO_INSTALL_PATH : RTSS_DONE;
    if (client->module) {
      hooks.load_profile(RTSS_GLOBAL_PROFILE);
      hooks.get_profile_property(RTSS_LIMIT_PROPERTY, &client->read_back, sizeof(int32_t));
    }
  }
  if (client->module) {
    hooks.load_profile(RTSS_GLOBAL_PROFILE);
    hooks.set_profile_property(RTSS_LIMIT_PROPERTY, &limit, sizeof(int32_t));
    hooks.save_profile(RTSS_GLOBAL_PROFILE);
    hooks.update_profiles();
  }
  return result;
}
