// ecsim.exe: reads and changes the simulated EC that WinRing0x64.dll serves,
// through the same state file (ec_state_file.h), so that a test or a person
// can ask "what is register 0x10 now?" or "make it 85 C".
//
// Registers are read and written directly in the register file, never through
// the port handshake, so the tool adds nothing to the protocol counters.
// The whole command runs under the EC mutex, so it never lands between the
// halves of a single port access. Exit: 0 done, 1 state file unusable, 2 bad usage.
#include <windows.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "ec_model.h"
#include "ec_state_file.h"

namespace {

constexpr int EXIT_OK = 0, EXIT_STATE = 1, EXIT_USAGE = 2;

const char USAGE[] =
    "usage: ecsim [-q] COMMAND [ARGS]   (numbers: decimal or 0x hex)\n"
    "  get REG            print a register as \"0x10 = 1 (0x01)\"; with -q only the decimal value\n"
    "  set REG VALUE      store a register (0x08 sets the temperature; fan mode and\n"
    "                     zones make automatic/curve mode move 0x11 at once)\n"
    "  dump               all registers and the model state\n"
    "  temp C             set the temperature in deg C (use 'freeze on' to keep it there)\n"
    "  load PCT           set the load, 0..100 %\n"
    "  freeze on|off      pause or resume the thermal model\n"
    "  stuck on|off       status reads 0x03 and nothing progresses / normal\n"
    "  delay N            EC response delay in status polls (0 = at once)\n"
    "  inject VALUE       put a stale byte in the output buffer (OBF set)\n"
    "  hold MS            after each command byte, hold the transaction open until\n"
    "                     another thread touches a port or MS pass (0 = off)\n"
    "  violations         print the number of protocol violations\n"
    "  stats              protocol counters, one \"name value\" a line\n"
    "  log                the last register writes made through the ports\n"
    "  reset              power-on state, counters cleared\n"
    "  path               print the state file's path\n";

struct Args {
  bool quiet;
  char** values;  // the command's own arguments, as many as it asks for
};

// Decimal, or hexadecimal after 0x; the whole text must be the number.
bool parse_number(const char* text, unsigned long max, unsigned long* out) {
  if (!text || !*text || *text == '-' || *text == '+') return false;
  bool hex = text[0] == '0' && (text[1] == 'x' || text[1] == 'X');
  if (hex && !text[2]) return false;
  char* end = nullptr;
  errno = 0;
  unsigned long v = strtoul(hex ? text + 2 : text, &end, hex ? 16 : 10);
  if (errno || *end || v > max) return false;
  *out = v;
  return true;
}

bool parse_byte(const char* text, uint8_t* out) {
  unsigned long v = 0;
  if (!parse_number(text, 255, &v)) return false;
  *out = static_cast<uint8_t>(v);
  return true;
}

bool parse_decimal(const char* text, double lo, double hi, double* out) {
  if (!text || !*text) return false;
  char* end = nullptr;
  double v = strtod(text, &end);
  if (*end || !(v >= lo && v <= hi)) return false;
  *out = v;
  return true;
}

bool parse_switch(const char* text, uint8_t* out) {
  if (strcmp(text, "on") == 0) return *out = 1, true;
  if (strcmp(text, "off") == 0) return *out = 0, true;
  return false;
}

const char* phase_name(uint8_t phase) {
  static const char* const NAMES[] = {
      "idle",         "command-pending", "await-address", "address-pending",
      "read-pending", "output-ready",    "await-value",   "value-pending"};
  return phase < sizeof(NAMES) / sizeof(NAMES[0]) ? NAMES[phase] : "?";
}

const char* violation_name(uint8_t kind) {
  static const char* const NAMES[] = {"none",       "input-full",   "busy",
                                      "no-command", "output-empty", "unknown-command"};
  return kind < sizeof(NAMES) / sizeof(NAMES[0]) ? NAMES[kind] : "?";
}

int cmd_get(EcModelState* s, const Args& a) {
  uint8_t reg = 0;
  if (!parse_byte(a.values[0], &reg)) return EXIT_USAGE;
  uint8_t v = s->regs[reg];
  if (a.quiet) {
    printf("%u\n", v);
  } else {
    printf("0x%02X = %u (0x%02X)\n", reg, v, v);
  }
  return EXIT_OK;
}

int cmd_set(EcModelState* s, const Args& a) {
  uint8_t reg = 0, value = 0;
  if (!parse_byte(a.values[0], &reg) || !parse_byte(a.values[1], &value)) return EXIT_USAGE;
  ec_model_set_register(s, reg, value);
  return EXIT_OK;
}

int cmd_dump(EcModelState* s, const Args&) {
  printf("    ");
  for (int c = 0; c < 16; c++) printf(" %02X", c);
  printf("\n");
  for (int r = 0; r < 16; r++) {
    printf("%02X: ", r * 16);
    for (int c = 0; c < 16; c++) printf(" %02X", s->regs[r * 16 + c]);
    printf("\n");
  }
  printf("temperature %.1f C, load %.0f %%, frozen %s, stuck %s, delay %u\n", s->temperature,
         s->load, s->frozen ? "on" : "off", s->stuck ? "on" : "off", s->delay_polls);
  printf("status 0x%02X, phase %s, violations %u\n", s->status, phase_name(s->phase),
         s->violations);
  return EXIT_OK;
}

int cmd_temp(EcModelState* s, const Args& a) {
  double c = 0;
  if (!parse_decimal(a.values[0], 0.0, 255.0, &c)) return EXIT_USAGE;
  ec_model_set_temperature(s, c);
  return EXIT_OK;
}

int cmd_load(EcModelState* s, const Args& a) {
  double pct = 0;
  if (!parse_decimal(a.values[0], 0.0, 100.0, &pct)) return EXIT_USAGE;
  s->load = pct;
  return EXIT_OK;
}

int cmd_freeze(EcModelState* s, const Args& a) {
  return parse_switch(a.values[0], &s->frozen) ? EXIT_OK : EXIT_USAGE;
}

int cmd_stuck(EcModelState* s, const Args& a) {
  return parse_switch(a.values[0], &s->stuck) ? EXIT_OK : EXIT_USAGE;
}

int cmd_delay(EcModelState* s, const Args& a) {
  unsigned long n = 0;
  if (!parse_number(a.values[0], 0xFFFFFFFFul, &n)) return EXIT_USAGE;
  s->delay_polls = static_cast<uint32_t>(n);
  return EXIT_OK;
}

int cmd_inject(EcModelState* s, const Args& a) {
  uint8_t v = 0;
  if (!parse_byte(a.values[0], &v)) return EXIT_USAGE;
  ec_model_inject_output(s, v);
  return EXIT_OK;
}

int cmd_hold(EcModelState* s, const Args& a) {
  unsigned long n = 0;
  if (!parse_number(a.values[0], 60000ul, &n)) return EXIT_USAGE;
  s->hold_ms = static_cast<uint32_t>(n);
  return EXIT_OK;
}

int cmd_violations(EcModelState* s, const Args&) {
  printf("%u\n", s->violations);
  return EXIT_OK;
}

int cmd_stats(EcModelState* s, const Args&) {
  printf("commands %u\nreads %u\nwrites %u\nviolations %u\n", s->commands_written, s->reads_done,
         s->writes_done, s->violations);
  printf("status_reads %u\nrestarts %u\nlast_violation %s\n", s->status_reads, s->restarts,
         violation_name(s->last_violation));
  printf("holds_intruded %u\n", s->holds_intruded);
  return EXIT_OK;
}

// Oldest first, "0x11 = 64 (0x40)" a line, at most the ring's size.
int cmd_log(EcModelState* s, const Args&) {
  uint32_t n = s->write_log_count;
  uint32_t first = n > EC_MODEL_WRITE_LOG_SIZE ? n - EC_MODEL_WRITE_LOG_SIZE : 0;
  for (uint32_t i = first; i < n; i++) {
    const uint8_t* e = s->write_log[i % EC_MODEL_WRITE_LOG_SIZE];
    printf("0x%02X = %u (0x%02X)\n", e[0], e[1], e[1]);
  }
  return EXIT_OK;
}

int cmd_reset(EcModelState* s, const Args&) {
  ec_model_reset(s);
  return EXIT_OK;
}

struct Command {
  const char* name;
  int args;
  int (*run)(EcModelState*, const Args&);
};

const Command COMMANDS[] = {
    {"get", 1, cmd_get},       {"set", 2, cmd_set},
    {"dump", 0, cmd_dump},     {"temp", 1, cmd_temp},
    {"load", 1, cmd_load},     {"freeze", 1, cmd_freeze},
    {"stuck", 1, cmd_stuck},   {"delay", 1, cmd_delay},
    {"inject", 1, cmd_inject}, {"violations", 0, cmd_violations},
    {"stats", 0, cmd_stats},   {"log", 0, cmd_log},
    {"reset", 0, cmd_reset},   {"hold", 1, cmd_hold},
};

int usage() {
  fputs(USAGE, stderr);
  return EXIT_USAGE;
}

int print_path() {
  wchar_t path[MAX_PATH];
  if (!ec_state_path(path, MAX_PATH)) return EXIT_STATE;
  printf("%ls\n", path);
  return EXIT_OK;
}

}  // namespace

int main(int argc, char** argv) {
  // "-q" may stand anywhere; the rest is COMMAND ARGS.
  bool quiet = false;
  int n = 0;
  for (int i = 1; i < argc; i++) {
    if (strcmp(argv[i], "-q") == 0) {
      quiet = true;
    } else {
      argv[++n] = argv[i];
    }
  }
  if (n < 1) return usage();
  if (strcmp(argv[1], "path") == 0) return n == 1 ? print_path() : usage();
  const Command* cmd = nullptr;
  for (const Command& c : COMMANDS) {
    if (strcmp(argv[1], c.name) == 0) cmd = &c;
  }
  if (!cmd || n - 1 != cmd->args) return usage();

  EcStateFile f;
  if (!ec_state_open(&f)) {
    fprintf(stderr, "ecsim: cannot open the EC state file\n");
    return EXIT_STATE;
  }
  int rc = EXIT_STATE;
  if (ec_state_lock(&f)) {
    // Bring the model up to now first, so that reads are current and a
    // change counts from now on.
    ec_model_step_thermal(f.state, GetTickCount64());
    rc = cmd->run(f.state, Args{quiet, argv + 2});
    ec_state_unlock(&f);
  }
  ec_state_close(&f);
  if (rc == EXIT_USAGE) usage();
  return rc;
}
