// The embedded controller's ports, protocol bytes and register map.
#pragma once

#include <cstdint>

// ACPI EC command protocol on the two legacy ports.
constexpr uint16_t EC_STATUS_PORT = 0x66;  // read: status, write: command
constexpr uint16_t EC_DATA_PORT = 0x62;    // data in both directions
constexpr uint8_t EC_STATUS_OBF = 0x01;    // a byte waits in the output buffer
constexpr uint8_t EC_STATUS_IBF = 0x02;    // the EC has not yet taken our byte
constexpr uint8_t EC_COMMAND_READ = 0x80;
constexpr uint8_t EC_COMMAND_WRITE = 0x81;

// Register map of the supported boards (8-bit registers, 8-bit values).
constexpr uint8_t EC_REG_TEMPERATURE = 0x08;  // unsigned, degrees C
constexpr uint8_t EC_REG_FAN_MODE = 0x10;     // FanMode values below
constexpr uint8_t EC_REG_FAN_DUTY = 0x11;     // 0..128 = 0..100 %
constexpr uint8_t EC_REG_ZONE_DUTY_1 = 0x12;  // zone n duty: 0x12 + 2 (n - 1)
constexpr uint8_t EC_REG_ZONE_TEMP_1 = 0x13;  // zone n temperature: 0x13 + 2 (n - 1)
constexpr uint8_t EC_REG_LIGHT_RED = 0xB0;
constexpr uint8_t EC_REG_LIGHT_GREEN = 0xB1;
constexpr uint8_t EC_REG_LIGHT_BLUE = 0xB2;
constexpr uint8_t EC_REG_LIGHT_CONTROL = 0xB3;

constexpr uint8_t EC_FAN_MODE_MANUAL = 0;     // fixed duty from EC_REG_FAN_DUTY
constexpr uint8_t EC_FAN_MODE_AUTO = 1;       // the EC's own control
constexpr uint8_t EC_FAN_MODE_CURVE = 2;      // the five zones

constexpr uint8_t EC_LIGHT_AUTO = 0x00;       // the EC's own lighting
constexpr uint8_t EC_LIGHT_COLOUR = 0xAA;     // show the colour in 0xB0..0xB2
constexpr uint8_t EC_LIGHT_CHANGING = 0x55;   // written before a new colour when 0xAA

constexpr uint8_t ec_zone_duty_register(int zone) { return uint8_t(EC_REG_ZONE_DUTY_1 + 2 * (zone - 1)); }
constexpr uint8_t ec_zone_temp_register(int zone) { return uint8_t(EC_REG_ZONE_TEMP_1 + 2 * (zone - 1)); }
