// Simulated ACPI embedded controller: the register file, the port handshake
// on 0x66/0x62 and a small thermal model.
//
// Portable (no Windows): the stand-in WinRing0x64.dll and ecsim.exe keep one
// EcModelState in a shared file mapping, and native tests drive it directly.
// The state is plain data so that it can live in that mapping; every function
// here works on it alone and keeps no state of its own. Callers serialise the
// calls (the DLL holds a named mutex for each single port access).
#pragma once

#include <cstdint>

constexpr uint8_t EC_MODEL_OBF = 0x01, EC_MODEL_IBF = 0x02;

constexpr uint16_t EC_MODEL_STATUS_PORT = 0x66;  // read: status, write: command
constexpr uint16_t EC_MODEL_DATA_PORT = 0x62;
constexpr uint8_t EC_MODEL_CMD_READ = 0x80, EC_MODEL_CMD_WRITE = 0x81;

constexpr uint32_t EC_MODEL_MAGIC = 0x43455856;  // "VXEC"
constexpr uint32_t EC_MODEL_VERSION = 2;         // bump when EcModelState changes

// Registers the model gives a meaning to (the device's register map).
constexpr uint8_t EC_MODEL_REG_TEMPERATURE = 0x08;
constexpr uint8_t EC_MODEL_REG_FAN_MODE = 0x10;    // 0 manual, 1 automatic, 2 curve
constexpr uint8_t EC_MODEL_REG_FAN_DUTY = 0x11;    // 0..128 = 0..100 %
constexpr uint8_t EC_MODEL_REG_ZONE_FIRST = 0x12;  // zone n: duty 0x12+2(n-1), temp 0x13+2(n-1)
constexpr uint8_t EC_MODEL_REG_LIGHT_CONTROL = 0xB3;

// Protocol phases (EcModelState::phase). "Pending" phases wait for the EC's
// own step (taking the input byte, or producing the output byte), which
// happens delay_polls status reads later; the others wait for the host.
enum EcModelPhase : uint8_t {
  EC_PHASE_IDLE = 0,
  EC_PHASE_COMMAND_PENDING,  // command byte in the input buffer (IBF set)
  EC_PHASE_AWAIT_ADDRESS,    // command taken, host to write the register number
  EC_PHASE_ADDRESS_PENDING,  // register number in the input buffer (IBF set)
  EC_PHASE_READ_PENDING,     // read: address taken, output byte not produced yet
  EC_PHASE_OUTPUT_READY,     // read: output byte produced (OBF set), host to read it
  EC_PHASE_AWAIT_VALUE,      // write: address taken, host to write the value
  EC_PHASE_VALUE_PENDING,    // write: value in the input buffer (IBF set)
};

// Kinds of protocol violation (EcModelState::last_violation, and bit
// 1 << kind in violation_mask).
enum EcModelViolation : uint8_t {
  EC_VIOLATION_NONE = 0,
  EC_VIOLATION_INPUT_FULL,    // byte written to 0x66 or 0x62 while IBF was set
  EC_VIOLATION_BUSY,          // command written while a transaction was in progress
  EC_VIOLATION_NO_COMMAND,    // data byte written that no command asked for
  EC_VIOLATION_OUTPUT_EMPTY,  // 0x62 read while OBF was clear
  EC_VIOLATION_UNKNOWN_COMMAND,
};

constexpr int EC_MODEL_WRITE_LOG_SIZE = 16;

struct EcModelState {       // plain data: lives in a shared file mapping in the DLL
  uint32_t magic, version;  // set by ec_model_reset
  uint8_t regs[256];        // register file
  uint8_t status;           // OBF/IBF bits as the program sees them
  uint8_t phase;            // EcModelPhase
  uint8_t command, address, out_byte, in_byte;
  uint8_t stuck;                     // 1: status reads 0x03 forever and nothing is taken
  uint32_t delay_polls;              // configured response delay, in status polls
  uint32_t polls_left;               // polls still to go before the pending step happens
  uint32_t violations;               // protocol violations seen
  uint32_t commands_written;         // bytes written to 0x66
  uint32_t reads_done, writes_done;  // completed register reads / writes
  double temperature, load;          // thermal model: deg C, load 0..100 %
  uint64_t last_ms;                  // time of the last thermal step
  uint8_t frozen;                    // 1: thermal model paused (temperature stays where set)
  // Added fields.
  uint8_t clock_started;     // 0: the next thermal step only starts the clock
  uint8_t last_violation;    // EcModelViolation of the most recent violation
  uint32_t violation_mask;   // bit (1 << kind) for every kind seen
  uint32_t client;           // who makes the current access; set by the caller
  uint32_t owner;            // client that started the transaction in progress
  uint32_t status_reads;     // reads of 0x66, stuck or not
  uint32_t restarts;         // transactions dropped by their own client's new command
  uint32_t write_log_count;  // completed register writes ever logged
  uint8_t write_log[EC_MODEL_WRITE_LOG_SIZE][2];  // ring of {register, value}
  // Holding a transaction open, so that tests can make two transactions meet
  // on the ports on purpose instead of by chance (see winring0.cpp).
  uint32_t hold_ms;         // after a command byte, wait up to this long (0: never)
  uint32_t hold_owner;      // client whose hold is running, 0 when none
  uint32_t hold_intruded;   // another client touched a port during that hold
  uint32_t holds_intruded;  // holds that ended by another client's access
};

/**
 * Puts the EC in its power-on state: 0x08 = 45 (deg C), fan mode 1 with the
 * automatic duty in 0x11, everything else 0; idle protocol, no delay, not
 * stuck, not frozen, load 20 %, counters cleared, thermal clock not started.
 * @param s  state to overwrite completely
 */
void ec_model_reset(EcModelState* s);

/**
 * One read of an EC port.
 *
 * 0x66 returns the status and counts as one poll: a pending EC step counts
 * the poll down and, on the delay_polls-th poll, happens before the status is
 * returned (so a wait of at most K polls sees the step iff delay_polls <= K).
 * When stuck, 0x66 returns 0x03 and nothing progresses. 0x62 returns the
 * output byte and clears OBF; with OBF clear it is a violation (the last
 * output byte is returned). Other ports read 0xFF.
 */
uint8_t ec_model_read_port(EcModelState* s, uint16_t port);

/**
 * One write to an EC port: a command to 0x66, a register number or value to
 * 0x62. With delay_polls = 0 the EC takes the byte (and produces a read's
 * output) at once, inside this call, so IBF is never seen set; otherwise IBF
 * stays set for delay_polls status reads. Bytes that break the protocol are
 * counted as violations (see ec_model.cpp) and otherwise ignored, except a
 * command from another client, which aborts the transaction in progress as a
 * real EC does. Writes to other ports are ignored.
 *
 * Client identity: the caller puts an id of the accessing thread in s->client
 * before each access (the DLL uses the thread id); accesses with equal ids,
 * including the default 0, are one client. A client that gave up waiting and
 * starts over with a new command (the program's retry) is no violation; a
 * command from a different client in the middle of a transaction is.
 */
void ec_model_write_port(EcModelState* s, uint16_t port, uint8_t value);

/**
 * Forgets the transaction in progress because its client is gone (its thread
 * ended): a byte still in the input buffer is discarded and the EC goes idle,
 * so the next client's command is no violation. An output byte already made
 * stays (OBF set) until 0x62 is read, like a stale one. Not a violation.
 */
void ec_model_drop_transaction(EcModelState* s);

/** Puts a stale byte in the output buffer (OBF set); only a read of 0x62 clears it. */
void ec_model_inject_output(EcModelState* s, uint8_t byte);

/**
 * Advances the thermal model to now_ms (any monotonic milliseconds; the DLL
 * uses GetTickCount64) and lets automatic or curve mode set 0x11. The first
 * call after a reset, or a clock that went backwards, only starts the clock.
 */
void ec_model_step_thermal(EcModelState* s, uint64_t now_ms);

/**
 * Stores a register directly, outside the port protocol (no counter, no
 * violation), with the same effects as a write through the ports: 0x08 sets
 * the model temperature; fan mode and zone registers update 0x11 at once.
 */
void ec_model_set_register(EcModelState* s, uint8_t reg, uint8_t value);

/** Sets the model temperature (deg C, not clamped) and 0x08, and lets the fan follow. */
void ec_model_set_temperature(EcModelState* s, double celsius);

/** The duty automatic mode gives for a temperature: 26 (20 %) up to 40 C, 128 from 90 C. */
uint8_t ec_model_auto_duty(double celsius);

/**
 * The duty of the curve in the zone registers for a temperature: zone 1's
 * below it, zone 5's above it, interpolated between neighbouring zones.
 */
uint8_t ec_model_curve_duty(const EcModelState* s, uint8_t celsius);
