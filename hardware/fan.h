// Fan mode, fixed speed and the five-zone curve: the values in force, their
// EC encodings, and the operations that send them to the EC and read the
// temperature and fan duty back.
//
// Every operation here checks that the board is supported and the EC ready
// (BoardModel != 0, ec_ready) before it touches the EC, and fails silently
// otherwise: the caller stores the value regardless and shows nothing.
#pragma once

#include <atomic>
#include <cstdint>

struct FanZoneValue {
  int32_t zone;         // 1..5
  int32_t speed;        // percent
  int32_t temperature;  // degrees C
};

constexpr int FAN_ZONE_COUNT = 5;
constexpr int32_t FAN_SPEED_MIN = 20;  // the fixed-speed slider's range
constexpr int32_t FAN_SPEED_MAX = 100;

/**
 * The EC duty byte (0..128) of one curve zone's speed in percent: 0 % and
 * less switch the fan off in that zone, 100 % and more give 128.
 */
uint8_t zone_fan_duty(int32_t percent);

/**
 * The fan speed in percent shown for a duty byte read from the EC: 0..128
 * stands for 0..100 %, and anything above 128 (outside the encoding) is
 * shown as 100 % rather than as more than full speed.
 */
int32_t fan_duty_percent(uint8_t duty);

/** A zone's speed or temperature brought into 0..100, as the EC is given it. */
int32_t clamp_fan_zone_value(int32_t value);

/**
 * Sends a fan mode (0 manual, 1 automatic, 2 curve) to EC register 0x10 and
 * keeps it in fan_mode.
 * @return 1 when the EC took it, 0 when it was not sent or failed
 */
int apply_fan_mode(int32_t mode);

/**
 * Sends a fixed speed in percent to EC register 0x11 (manual duty encoding)
 * and keeps it in fan_speed. Sent in every mode: the EC ignores it until
 * manual mode.
 * @return 1 when the EC took it, 0 otherwise
 */
int apply_fan_speed(int32_t percent);

/**
 * Keeps the five zones in fan_zones (zone numbers 1..5 in order) and writes
 * each zone's duty and temperature to its register pair, 0x12/0x13 for zone
 * 1 up to 0x1A/0x1B for zone 5, speed first. Values outside 0..100 are
 * clamped on the way, so nothing out of range reaches the EC whatever the
 * caller passes.
 * @param speeds        percent, zone 1..5
 * @param temperatures  degrees C, zone 1..5
 * @return the number of register writes the EC took (0..10)
 */
int apply_fan_zones(const int32_t speeds[FAN_ZONE_COUNT], const int32_t temperatures[FAN_ZONE_COUNT]);

/**
 * Reads the device temperature (EC 0x08) in degrees C.
 * @return 1 when read, 0 when the EC is not usable or did not answer
 */
int read_fan_temperature(int32_t* celsius);

/**
 * Reads the fan duty (EC 0x11) as a percentage. The register is read twice
 * and a non-zero second reading replaces the first, so that a single 0 read
 * while the EC's own control changes the duty does not show a stopped fan.
 * @return 1 when the first read succeeded, 0 otherwise (*percent unchanged)
 */
int read_fan_duty_percent(int32_t* percent);

// What the panel's once-a-second read-out shows.
struct FanReadout {
  bool has_temperature = false;
  int32_t celsius = 0;
  bool has_duty = false;
  int32_t percent = 0;
};

/**
 * The temperature and, with `with_duty`, the duty (read twice, as
 * read_fan_duty_percent does) in one EC transaction. A temperature the EC
 * does not answer leaves both out.
 */
FanReadout read_fan_readout(bool with_duty);

extern std::atomic<int32_t> fan_mode;   // "FanMode": 0 manual, 1 automatic, 2 curve
extern std::atomic<int32_t> fan_speed;  // "FanSpeed", percent
extern FanZoneValue fan_zones[5];       // toolkit thread only

/**
 * The EC duty byte (0..128) for a fixed fan speed in percent: below 20 % the
 * fan would stall, so 19 % and less give the lowest running duty 25; 100 %
 * and more give 128.
 */
uint8_t manual_fan_duty(int32_t percent);
