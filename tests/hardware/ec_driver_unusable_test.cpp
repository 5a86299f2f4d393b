// Built twice: beside no WinRing0x64.dll at all, and beside a build of the
// stand-in that lacks one of the 54 exports. Either way the driver is refused
// and every transaction fails cleanly instead of calling through a null
// pointer.
#include <gtest/gtest.h>

#include "hardware/ec.h"

TEST(EcDriverUnusable, is_refused_and_transactions_fail_without_crashing) {
  EXPECT_FALSE(load_ec_driver());
  EXPECT_FALSE(load_ec_driver()) << "the second attempt fails the same way";
  uint8_t value = 0x42;
  EXPECT_EQ(ec_read(EC_REG_TEMPERATURE, &value), 0);
  EXPECT_EQ(value, 0x42);
  EXPECT_EQ(ec_write(EC_REG_FAN_MODE, 1), 0);
  unload_ec_driver();
  EXPECT_EQ(ec_write(EC_REG_LIGHT_CONTROL, 0), 0);
}
