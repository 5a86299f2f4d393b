// Fan mode, fixed speed and curve sent to the EC; temperature and duty read
// back (see fan.h). Portable: the EC is reached through ec_read/ec_write.
#include "hardware/fan.h"

#include "hardware/ec.h"
#include "hardware/hardware_state.h"

namespace {

constexpr uint8_t DUTY_FULL = 128;

bool fan_ec_usable() { return BoardModel != 0 && ec_ready != 0; }

}  // namespace

uint8_t zone_fan_duty(int32_t percent) {
  if (percent <= 0) return 0;
  if (percent >= 100) return DUTY_FULL;
  return uint8_t(percent * DUTY_FULL / 100);
}

int32_t fan_duty_percent(uint8_t duty) {
  if (duty >= DUTY_FULL) return 100;
  return int32_t(duty) * 100 / DUTY_FULL;
}

int32_t clamp_fan_zone_value(int32_t value) {
  if (value < 0) return 0;
  if (value > 100) return 100;
  return value;
}

int apply_fan_mode(int32_t mode) {
  fan_mode = mode;
  if (!fan_ec_usable()) return 0;
  return ec_write(EC_REG_FAN_MODE, uint8_t(mode));
}

int apply_fan_speed(int32_t percent) {
  fan_speed = percent;
  if (!fan_ec_usable()) return 0;
  return ec_write(EC_REG_FAN_DUTY, manual_fan_duty(percent));
}

int apply_fan_zones(const int32_t speeds[FAN_ZONE_COUNT], const int32_t temperatures[FAN_ZONE_COUNT]) {
  for (int i = 0; i < FAN_ZONE_COUNT; ++i) {
    fan_zones[i] = {i + 1, clamp_fan_zone_value(speeds[i]), clamp_fan_zone_value(temperatures[i])};
  }
  if (!fan_ec_usable()) return 0;
  int written = 0;
  for (int i = 0; i < FAN_ZONE_COUNT; ++i) {
    const FanZoneValue& zone = fan_zones[i];
    written += ec_write(ec_zone_duty_register(zone.zone), zone_fan_duty(zone.speed));
    written += ec_write(ec_zone_temp_register(zone.zone), uint8_t(zone.temperature));
  }
  return written;
}

int read_fan_temperature(int32_t* celsius) {
  if (!fan_ec_usable()) return 0;
  uint8_t value = 0;
  if (!ec_read(EC_REG_TEMPERATURE, &value)) return 0;
  *celsius = value;
  return 1;
}

namespace {

int32_t duty_from_readings(uint8_t first, bool second_read, uint8_t second) {
  return fan_duty_percent(second_read && second != 0 ? second : first);
}

}  // namespace

int read_fan_duty_percent(int32_t* percent) {
  if (!fan_ec_usable()) return 0;
  uint8_t first = 0;
  if (!ec_read(EC_REG_FAN_DUTY, &first)) return 0;
  uint8_t second = 0;
  bool second_read = ec_read(EC_REG_FAN_DUTY, &second) != 0;
  *percent = duty_from_readings(first, second_read, second);
  return 1;
}

FanReadout read_fan_readout(bool with_duty) {
  FanReadout out;
  if (!fan_ec_usable()) return out;
  const uint8_t regs[3] = {EC_REG_TEMPERATURE, EC_REG_FAN_DUTY, EC_REG_FAN_DUTY};
  uint8_t values[3] = {};
  const int read = ec_read_group(regs, values, with_duty ? 3 : 1);
  if (read >= 1) {
    out.has_temperature = true;
    out.celsius = values[0];
  }
  if (read >= 2) {
    out.has_duty = true;
    out.percent = duty_from_readings(values[1], read >= 3, values[2]);
  }
  return out;
}
