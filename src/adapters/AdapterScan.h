#pragma once

#include <functional>
#include <string>
#include <vector>

#include "platform/Texts.h"

// The adapter scan without any window: the rows the adapter list shows, for
// the list and for the command line.
namespace quav {

class ErrorReporter;
class HardwareAddressLookup;
class WmiAdapterSource;

// Where the adapter scan gets its facts; null members mean the system's.
struct ScanServices {
  WmiAdapterSource* wmi = nullptr;
  HardwareAddressLookup* lookup = nullptr;
  ErrorReporter* errors = nullptr;
};

// Where the rows of the adapter list came from.
enum ScanResultCode : int {
  kScanEmpty = 0,
  kScanFromWmi = 1,
  kScanFromRegistry = 2,
};

// The list's columns, in order, and those read by their position.
inline constexpr int kScanColumns = 6;
inline constexpr int kActiveColumn = 1;         // 活动
inline constexpr int kOverriddenColumn = 2;     // 伪装
inline constexpr int kDescriptionColumn = 3;    // 网络适配器: the adapter's name
inline constexpr int kActiveAddressColumn = 5;  // 活动 MAC

// One adapter as the list shows it.
struct ScannedAdapter {
  // ID, 活动, 伪装, description, IP address, active MAC.
  std::vector<std::wstring> cells;
  // The name of the adapter's connection (本地连接, WLAN); empty when it has none.
  std::wstring connectionName;
  // The columns whose text stands in for what could not be read (the
  // adapter's class key refused the registry layer), and the system's error.
  std::vector<int> unreadColumns;
  long readError = 0;
};

// Said when the scan ended early: the rows listed may not be all.
inline constexpr TextRef kScanFailedText{TextId::ScanFailed};

struct AdapterScan {
  int result = kScanEmpty;  // ScanResultCode
  // In the list's default order (SortScannedAdapters); unsorted when the scan
  // did not complete.
  std::vector<ScannedAdapter> rows;
  // false when a failure ended the scan early, or kept the registry pass
  // from listing every adapter: rows may be missing
  bool completed = true;
};

// The adapters from WMI when it answers for every adapter, else from the
// registry pass. With filterOn only IP-enabled adapters are listed.
// meanwhile, when given, is called between adapters: a window's thread
// answers its messages there during a long scan.
AdapterScan ScanAdapters(bool filterOn, const ScanServices& services, const std::function<void()>& meanwhile = {});

// The list's default order: stable descending passes on these columns in
// turn, "伪装" last (overrides first), after "活动" when all adapters are
// shown (filterOn false). The yes/no cells compare by their meaning.
std::vector<int> DefaultSortColumns(bool filterOn);
void SortScannedAdapters(std::vector<ScannedAdapter>& rows, bool filterOn);

}  // namespace quav
