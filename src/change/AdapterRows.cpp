#include "change/AdapterRows.h"

#include <algorithm>
#include <utility>

#include "platform/ErrorReporter.h"
#include "platform/TextRules.h"

namespace quav {
namespace {

class CountingReporter final : public ErrorReporter {
 public:
  void Report(const std::wstring&) override { ++reports; }
  int reports = 0;
};

bool Read(const ScannedAdapter& row, int column) {
  return std::find(row.unreadColumns.begin(), row.unreadColumns.end(), column) == row.unreadColumns.end();
}

}  // namespace

std::vector<ScannedAdapter> ScanEveryAdapter(bool& failed) {
  CountingReporter errors;
  AdapterScan scan = ScanAdapters(false, {nullptr, nullptr, &errors});
  failed = !scan.completed || errors.reports > 0;
  return std::move(scan.rows);
}

std::optional<ScannedAdapter> RowOfAdapter(std::vector<ScannedAdapter> rows, const std::wstring& adapterIndex) {
  const auto row = std::find_if(rows.begin(), rows.end(),
                                [&](const ScannedAdapter& r) { return Trimmed(r.cells[0]) == adapterIndex; });
  if (row == rows.end()) return std::nullopt;
  return std::move(*row);
}

std::optional<std::wstring> ActiveAddressRead(const ScannedAdapter& row) {
  return Read(row, kActiveAddressColumn) ? std::optional(Trimmed(row.cells[size_t{kActiveAddressColumn}]))
                                         : std::nullopt;
}

std::wstring AdapterNameRead(const ScannedAdapter& row) {
  return Read(row, kDescriptionColumn) ? row.cells[size_t{kDescriptionColumn}] : std::wstring();
}

}  // namespace quav
