// The status bar's read-outs from Windows (system_status.h).
#include <windows.h>

#include <netlistmgr.h>

#include "hardware/com_ref.h"
#include "hardware/system_status.h"

namespace {

constexpr CLSID NETWORK_LIST_MANAGER_CLSID = {
    0xDCB00C01, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};
constexpr IID NETWORK_LIST_MANAGER_IID = {
    0xDCB00000, 0x570F, 0x4A9B, {0x8D, 0x69, 0x19, 0x9F, 0xDB, 0xA5, 0x72, 0x3B}};

// After a failed creation the manager is asked for again only every this
// many reads (once a second each): creating it is the expensive part (about
// 100 ms under Wine), and without it the bar simply shows no network.
constexpr int32_t NETWORK_RETRY_READS = 30;

// Kept between reads: its answers are cheap, its creation is not.
ComRef<INetworkListManager> network_list;
int32_t network_retry_wait = 0;

bool internet_connected() {
  if (!network_list) {
    if (network_retry_wait > 0) {
      --network_retry_wait;
      return false;
    }
    if (FAILED(CoCreateInstance(NETWORK_LIST_MANAGER_CLSID, nullptr, CLSCTX_ALL,
                                NETWORK_LIST_MANAGER_IID, network_list.put_void()))) {
      network_list.reset();
      network_retry_wait = NETWORK_RETRY_READS;
      return false;
    }
  }
  VARIANT_BOOL internet = VARIANT_FALSE, network = VARIANT_FALSE;
  if (FAILED(network_list->IsConnectedToInternet(&internet)) ||
      FAILED(network_list->IsConnected(&network))) {
    network_list.reset();
    return false;
  }
  return internet == VARIANT_TRUE && network == VARIANT_TRUE;
}

}  // namespace

void read_system_status(SystemStatus* status) {
  SYSTEMTIME now;
  GetLocalTime(&now);
  status->hour = now.wHour;
  status->minute = now.wMinute;
  SYSTEM_POWER_STATUS power;
  if (GetSystemPowerStatus(&power)) {
    status->battery_flag = power.BatteryFlag;
    status->battery_percent = power.BatteryLifePercent;
  }
  status->connected = internet_connected();
}

void release_system_status() {
  network_list.reset();
  network_retry_wait = 0;
}
