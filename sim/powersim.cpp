// powersim.exe: reads and changes the simulated power scheme that the
// stand-in powrprof.dll serves (power_scheme_state.h), as a person would in
// the Windows power options while the program runs.
// Exit: 0 done, 1 state file unusable, 2 bad usage.
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "power_scheme_state.h"

namespace {

constexpr int EXIT_OK = 0, EXIT_STATE = 1, EXIT_USAGE = 2;

const char USAGE[] =
    "usage: powersim COMMAND [ARGS]\n"
    "  get                  every value, one \"name ac dc\" a line, and the activations\n"
    "  get cpu|boost        \"AC DC\" of the maximum processor state or the boost mode\n"
    "  set cpu|boost V      write V to AC and DC\n"
    "  set cpu|boost AC DC  write AC and DC separately\n"
    "  fail on|off          PowerGetActiveScheme answers an error / normally\n"
    "  reset                power-on state (100 %, boost 1, AC and DC)\n";

bool parse_value(const char* text, uint32_t* out) {
  if (!text || !*text || *text == '-' || *text == '+') return false;
  char* end = nullptr;
  errno = 0;
  unsigned long v = strtoul(text, &end, 10);
  if (errno || *end || v > 0xFFFFFFFFul) return false;
  *out = uint32_t(v);
  return true;
}

uint32_t* values_named(PowerSchemeState* state, const char* name) {
  if (strcmp(name, "cpu") == 0) return state->max_processor_state;
  if (strcmp(name, "boost") == 0) return state->boost_mode;
  return nullptr;
}

int run(int argc, char** argv, PowerSchemeState* state) {
  const char* command = argv[1];
  if (strcmp(command, "get") == 0 && argc == 2) {
    printf("cpu %u %u\n", state->max_processor_state[0], state->max_processor_state[1]);
    printf("boost %u %u\n", state->boost_mode[0], state->boost_mode[1]);
    printf("activations %u\n", state->set_active_count);
    printf("fail %u\n", state->fail_active_scheme);
    return EXIT_OK;
  }
  if (strcmp(command, "get") == 0 && argc == 3) {
    uint32_t* values = values_named(state, argv[2]);
    if (!values) return EXIT_USAGE;
    printf("%u %u\n", values[0], values[1]);
    return EXIT_OK;
  }
  if (strcmp(command, "set") == 0 && (argc == 4 || argc == 5)) {
    uint32_t* values = values_named(state, argv[2]);
    uint32_t ac = 0, dc = 0;
    if (!values || !parse_value(argv[3], &ac)) return EXIT_USAGE;
    dc = ac;
    if (argc == 5 && !parse_value(argv[4], &dc)) return EXIT_USAGE;
    values[0] = ac;
    values[1] = dc;
    return EXIT_OK;
  }
  if (strcmp(command, "fail") == 0 && argc == 3) {
    if (strcmp(argv[2], "on") != 0 && strcmp(argv[2], "off") != 0) return EXIT_USAGE;
    state->fail_active_scheme = strcmp(argv[2], "on") == 0;
    return EXIT_OK;
  }
  if (strcmp(command, "reset") == 0 && argc == 2) {
    *state = power_state_defaults();
    return EXIT_OK;
  }
  return EXIT_USAGE;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fputs(USAGE, stderr);
    return EXIT_USAGE;
  }
  PowerSchemeState* state = power_state();
  if (!state || !power_state_lock()) {
    fputs("powersim: the state file cannot be opened\n", stderr);
    return EXIT_STATE;
  }
  int result = run(argc, argv, state);
  power_state_unlock();
  if (result == EXIT_USAGE) fputs(USAGE, stderr);
  return result;
}
