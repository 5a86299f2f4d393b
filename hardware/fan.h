// Fan mode, fixed speed and the five-zone curve: the values in force.
#pragma once

#include <atomic>
#include <cstdint>

struct FanZoneValue {
  int32_t zone;         // 1..5
  int32_t speed;        // percent
  int32_t temperature;  // degrees C
};

extern std::atomic<int32_t> fan_mode;   // "FanMode": 0 manual, 1 automatic, 2 curve
extern std::atomic<int32_t> fan_speed;  // "FanSpeed", percent
extern FanZoneValue fan_zones[5];       // toolkit thread only

/**
 * The EC duty byte (0..128) for a fixed fan speed in percent: below 20 % the
 * fan would stall, so 19 % and less give the lowest running duty 25; 100 %
 * and more give 128.
 */
uint8_t manual_fan_duty(int32_t percent);
