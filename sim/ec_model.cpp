// Simulated ACPI embedded controller (see ec_model.h).
//
// The handshake follows the ACPI standard's EC interface: the host waits
// for an empty input buffer, writes a command to 0x66, then its bytes to 0x62,
// each of which the EC takes (clearing IBF) some time later; a read's answer
// appears in the output buffer (OBF set) and leaves it when 0x62 is read.
// "Some time" is counted in status polls, because the program's waits count
// polls rather than time: a delay of N means the N-th status read after the
// byte sees the step done; a delay of 0 means the step happens inside the
// write itself. Counting polls keeps every test deterministic.
//
// Violations. The model flags what a well-behaved single client never does:
//   - writing to 0x66 or 0x62 while IBF is set (or while the EC is stuck,
//     when the status it shows has IBF set); the byte is ignored;
//   - writing a command while a transaction is in progress (an earlier
//     command's address or value not yet delivered, its output or a stale
//     output not yet read); the new command still starts, as a real EC
//     drops the old one;
//   - writing a data byte that no command asked for, or one from a client
//     other than the one whose command asked for it; the byte is ignored;
//   - reading 0x62 while OBF is clear;
//   - writing an unknown command byte; it is ignored.
// Two unsynchronised transactions that overlap always put one client's
// command inside the other's transaction, between its command and its last
// access; the phase is never idle there, so that command is flagged. One
// client that gives up waiting and starts over (the program's retry after a
// timed-out wait) is not flagged: its new command simply replaces its own
// unfinished one, which needs the client identity the caller supplies.
// What the model cannot tell from the ports alone is a transaction that one
// client abandoned (all its attempts timed out) followed by another client's
// command: that is flagged. It takes an EC step slower than the client's
// whole wait; when the abandoning thread has ended, the DLL sees that and
// drops the transaction first (ec_model_drop_transaction).
#include "ec_model.h"

#include <cmath>
#include <cstring>

namespace {

// Thermal model: first order, T moves toward an equilibrium set by load and
// fan with a time constant of 8 s. At 100 % load with the fan off the
// equilibrium is 80 C above ambient (clamped to 105); a full fan removes 55 %
// of the rise. Numbers picked so that the panel's read-outs move visibly
// within seconds while staying in a handheld's range.
constexpr double AMBIENT_C = 30.0;
constexpr double MIN_C = 20.0;
constexpr double MAX_C = 105.0;
constexpr double FULL_LOAD_RISE_C = 80.0;
constexpr double FULL_FAN_COOLING = 0.55;
constexpr double TIME_CONSTANT_MS = 8000.0;
// Automatic and curve duty follow the temperature between sub-steps, so a
// long interval is walked in pieces; beyond a couple of minutes the model is
// at equilibrium anyway, so longer gaps (a sleeping machine) are cut.
constexpr uint64_t SUBSTEP_MS = 250;
constexpr uint64_t MAX_INTERVAL_MS = 120000;

constexpr uint8_t DUTY_MAX = 128;
constexpr uint8_t POWER_ON_TEMPERATURE = 45;
constexpr double POWER_ON_LOAD = 20.0;

// NaN (a damaged state file) becomes lo.
double clamp_double(double v, double lo, double hi) { return !(v >= lo) ? lo : (v > hi ? hi : v); }

uint8_t temperature_byte(double celsius) {
  return static_cast<uint8_t>(std::lround(clamp_double(celsius, 0.0, 255.0)));
}

void flag_violation(EcModelState* s, EcModelViolation kind) {
  s->violations++;
  s->last_violation = kind;
  s->violation_mask |= 1u << kind;
}

bool is_pending(uint8_t phase) {
  return phase == EC_PHASE_COMMAND_PENDING || phase == EC_PHASE_ADDRESS_PENDING ||
         phase == EC_PHASE_READ_PENDING || phase == EC_PHASE_VALUE_PENDING;
}

// Phases in which the EC waits for the host with both buffers empty: the only
// ones a client's own retry can leave behind (its wait timed out there).
bool waits_for_host(uint8_t phase) {
  return phase == EC_PHASE_AWAIT_ADDRESS || phase == EC_PHASE_READ_PENDING ||
         phase == EC_PHASE_AWAIT_VALUE;
}

// Moves 0x11 the way the EC's own fan control does in modes 1 and 2.
void follow_fan(EcModelState* s) {
  uint8_t celsius = s->regs[EC_MODEL_REG_TEMPERATURE];
  if (s->regs[EC_MODEL_REG_FAN_MODE] == 1) {
    s->regs[EC_MODEL_REG_FAN_DUTY] = ec_model_auto_duty(celsius);
  } else if (s->regs[EC_MODEL_REG_FAN_MODE] == 2) {
    s->regs[EC_MODEL_REG_FAN_DUTY] = ec_model_curve_duty(s, celsius);
  }
}

void log_write(EcModelState* s, uint8_t reg, uint8_t value) {
  uint8_t* entry = s->write_log[s->write_log_count % EC_MODEL_WRITE_LOG_SIZE];
  entry[0] = reg;
  entry[1] = value;
  s->write_log_count++;
}

void begin_phase(EcModelState* s, uint8_t phase) {
  s->phase = phase;
  s->polls_left = is_pending(phase) ? s->delay_polls : 0;
}

// The EC's own step of a pending phase: take the input byte or produce the output.
void take_step(EcModelState* s) {
  switch (s->phase) {
    case EC_PHASE_COMMAND_PENDING:
      s->status &= static_cast<uint8_t>(~EC_MODEL_IBF);
      begin_phase(s, EC_PHASE_AWAIT_ADDRESS);
      break;
    case EC_PHASE_ADDRESS_PENDING:
      s->status &= static_cast<uint8_t>(~EC_MODEL_IBF);
      s->address = s->in_byte;
      begin_phase(s,
                  s->command == EC_MODEL_CMD_READ ? EC_PHASE_READ_PENDING : EC_PHASE_AWAIT_VALUE);
      break;
    case EC_PHASE_READ_PENDING:
      s->out_byte = s->regs[s->address];
      s->status |= EC_MODEL_OBF;
      begin_phase(s, EC_PHASE_OUTPUT_READY);
      break;
    case EC_PHASE_VALUE_PENDING:
      s->status &= static_cast<uint8_t>(~EC_MODEL_IBF);
      ec_model_set_register(s, s->address, s->in_byte);
      log_write(s, s->address, s->in_byte);
      s->writes_done++;
      begin_phase(s, EC_PHASE_IDLE);
      break;
    default:
      break;
  }
}

void run_due_steps(EcModelState* s) {
  while (is_pending(s->phase) && s->polls_left == 0) take_step(s);
}

uint8_t read_status(EcModelState* s) {
  s->status_reads++;
  if (s->stuck) return EC_MODEL_OBF | EC_MODEL_IBF;
  if (is_pending(s->phase)) {
    if (s->polls_left > 0) s->polls_left--;
    run_due_steps(s);
  }
  return s->status;
}

uint8_t read_data(EcModelState* s) {
  // A stuck EC shows OBF set; a read then is no fault of the host's, and it
  // changes nothing.
  if (s->stuck) return s->out_byte;
  if (!(s->status & EC_MODEL_OBF)) {
    flag_violation(s, EC_VIOLATION_OUTPUT_EMPTY);
    return s->out_byte;
  }
  s->status &= static_cast<uint8_t>(~EC_MODEL_OBF);
  if (s->phase == EC_PHASE_OUTPUT_READY) {
    s->reads_done++;
    begin_phase(s, EC_PHASE_IDLE);
  }
  return s->out_byte;
}

void write_command(EcModelState* s, uint8_t command) {
  s->commands_written++;
  if (s->stuck || (s->status & EC_MODEL_IBF)) {
    flag_violation(s, EC_VIOLATION_INPUT_FULL);
    return;
  }
  if (command != EC_MODEL_CMD_READ && command != EC_MODEL_CMD_WRITE) {
    flag_violation(s, EC_VIOLATION_UNKNOWN_COMMAND);
    return;
  }
  bool output_full = (s->status & EC_MODEL_OBF) != 0;
  if (s->phase != EC_PHASE_IDLE || output_full) {
    bool own_retry = s->client == s->owner && !output_full && waits_for_host(s->phase);
    if (own_retry) {
      s->restarts++;
    } else {
      flag_violation(s, EC_VIOLATION_BUSY);
    }
  }
  s->command = command;
  s->owner = s->client;
  s->status |= EC_MODEL_IBF;
  begin_phase(s, EC_PHASE_COMMAND_PENDING);
  run_due_steps(s);
}

void write_data(EcModelState* s, uint8_t value) {
  if (s->stuck || (s->status & EC_MODEL_IBF)) {
    flag_violation(s, EC_VIOLATION_INPUT_FULL);
    return;
  }
  bool expected = s->phase == EC_PHASE_AWAIT_ADDRESS || s->phase == EC_PHASE_AWAIT_VALUE;
  if (!expected || s->client != s->owner) {
    flag_violation(s, EC_VIOLATION_NO_COMMAND);
    return;
  }
  s->in_byte = value;
  s->status |= EC_MODEL_IBF;
  begin_phase(
      s, s->phase == EC_PHASE_AWAIT_ADDRESS ? EC_PHASE_ADDRESS_PENDING : EC_PHASE_VALUE_PENDING);
  run_due_steps(s);
}

double equilibrium_celsius(const EcModelState* s) {
  double load = clamp_double(s->load, 0.0, 100.0) / 100.0;
  uint8_t duty = s->regs[EC_MODEL_REG_FAN_DUTY];
  double fan = (duty > DUTY_MAX ? DUTY_MAX : duty) / double(DUTY_MAX);
  return AMBIENT_C + load * FULL_LOAD_RISE_C * (1.0 - FULL_FAN_COOLING * fan);
}

}  // namespace

void ec_model_reset(EcModelState* s) {
  std::memset(s, 0, sizeof(*s));
  s->magic = EC_MODEL_MAGIC;
  s->version = EC_MODEL_VERSION;
  s->load = POWER_ON_LOAD;
  s->regs[EC_MODEL_REG_FAN_MODE] = 1;
  ec_model_set_temperature(s, POWER_ON_TEMPERATURE);
}

uint8_t ec_model_read_port(EcModelState* s, uint16_t port) {
  if (port == EC_MODEL_STATUS_PORT) return read_status(s);
  if (port == EC_MODEL_DATA_PORT) return read_data(s);
  return 0xFF;
}

void ec_model_write_port(EcModelState* s, uint16_t port, uint8_t value) {
  if (port == EC_MODEL_STATUS_PORT) {
    write_command(s, value);
  } else if (port == EC_MODEL_DATA_PORT) {
    write_data(s, value);
  }
}

void ec_model_drop_transaction(EcModelState* s) {
  if (s->phase == EC_PHASE_IDLE) return;
  if (s->phase != EC_PHASE_OUTPUT_READY) s->status &= static_cast<uint8_t>(~EC_MODEL_IBF);
  begin_phase(s, EC_PHASE_IDLE);
}

void ec_model_inject_output(EcModelState* s, uint8_t byte) {
  s->out_byte = byte;
  s->status |= EC_MODEL_OBF;
}

void ec_model_step_thermal(EcModelState* s, uint64_t now_ms) {
  if (!s->clock_started || now_ms < s->last_ms) {
    s->clock_started = 1;
    s->last_ms = now_ms;
    follow_fan(s);
    return;
  }
  uint64_t elapsed = now_ms - s->last_ms;
  if (elapsed > MAX_INTERVAL_MS) elapsed = MAX_INTERVAL_MS;
  s->last_ms = now_ms;
  if (s->frozen) elapsed = 0;
  while (elapsed > 0) {
    uint64_t dt = elapsed < SUBSTEP_MS ? elapsed : SUBSTEP_MS;
    elapsed -= dt;
    // Exact first-order response over dt for the inputs held constant.
    double target = equilibrium_celsius(s);
    double t = s->temperature +
               (target - s->temperature) * (1.0 - std::exp(-double(dt) / TIME_CONSTANT_MS));
    s->temperature = clamp_double(t, MIN_C, MAX_C);
    s->regs[EC_MODEL_REG_TEMPERATURE] = temperature_byte(s->temperature);
    follow_fan(s);
  }
  follow_fan(s);
}

void ec_model_set_register(EcModelState* s, uint8_t reg, uint8_t value) {
  if (reg == EC_MODEL_REG_TEMPERATURE) {
    ec_model_set_temperature(s, value);
    return;
  }
  s->regs[reg] = value;
  follow_fan(s);
}

void ec_model_set_temperature(EcModelState* s, double celsius) {
  s->temperature = celsius;
  s->regs[EC_MODEL_REG_TEMPERATURE] = temperature_byte(celsius);
  follow_fan(s);
}

uint8_t ec_model_auto_duty(double celsius) {
  // 20 % (26/128) up to 40 C, full from 90 C, linear between.
  constexpr double LOW_C = 40.0, HIGH_C = 90.0, LOW_DUTY = 26.0;
  if (celsius <= LOW_C) return static_cast<uint8_t>(LOW_DUTY);
  if (celsius >= HIGH_C) return DUTY_MAX;
  double duty = LOW_DUTY + (celsius - LOW_C) * (DUTY_MAX - LOW_DUTY) / (HIGH_C - LOW_C);
  return static_cast<uint8_t>(std::lround(duty));
}

// The curve as a firmware would run it: flat at zone 1's duty below zone 1,
// flat at zone 5's above zone 5, and a straight line between two
// neighbouring zones, so the fan speeds up smoothly as the device heats.
// The line starts at the highest-numbered zone at or below the temperature,
// which keeps a curve written out of order well defined. A duty above 128
// counts as 128. No hysteresis: a test sees the duty of the temperature it set.
uint8_t ec_model_curve_duty(const EcModelState* s, uint8_t celsius) {
  auto duty_of = [s](int zone) {
    uint8_t d = s->regs[EC_MODEL_REG_ZONE_FIRST + 2 * zone];
    return d > DUTY_MAX ? DUTY_MAX : d;
  };
  auto temp_of = [s](int zone) { return s->regs[EC_MODEL_REG_ZONE_FIRST + 2 * zone + 1]; };
  for (int n = 4; n >= 0; n--) {
    if (temp_of(n) > celsius) continue;
    if (n == 4) return duty_of(n);
    // Zone n + 1 lies above the temperature (else it would have been taken).
    double span = double(temp_of(n + 1) - temp_of(n));
    double duty = duty_of(n) + (duty_of(n + 1) - duty_of(n)) * (celsius - temp_of(n)) / span;
    return static_cast<uint8_t>(std::lround(duty));
  }
  return duty_of(0);
}
