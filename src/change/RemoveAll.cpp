#include "change/RemoveAll.h"

#include <utility>

#include "adapters/ErrorReporter.h"
#include "platform/TextRules.h"
#include "platform/Texts.h"

namespace quav {
namespace {

class CountingReporter final : public ErrorReporter {
 public:
  void Report(const std::wstring&) override { ++reports; }
  int reports = 0;
};

}  // namespace

std::vector<ScannedAdapter> ScanEveryAdapter(bool& failed) {
  CountingReporter errors;
  AdapterScan scan = ScanAdapters(false, {nullptr, nullptr, &errors});
  failed = !scan.completed || errors.reports > 0;
  return std::move(scan.rows);
}

std::vector<std::wstring> AdaptersWithOverride(bool& scanFailed) {
  std::vector<std::wstring> adapters;
  for (const ScannedAdapter& row : ScanEveryAdapter(scanFailed)) {
    // A row whose class key could not be read may hold one too: its removal
    // says what stands in the way.
    const bool unread = !row.unreadColumns.empty();
    if (unread || row.cells[size_t{kOverriddenColumn}] == Say(TextId::Yes)) adapters.push_back(Trimmed(row.cells[0]));
  }
  return adapters;
}

RemoveAllOutcome RemoveAllAndRecord(const std::wstring& logPath) {
  RemoveAllOutcome outcome;
  for (const std::wstring& adapter : AdaptersWithOverride(outcome.scanFailed)) {
    RecordedChange change = RemoveAndRecord(adapter, logPath);
    if (change.registry.done) outcome.sentence += Say(TextId::CliRemoved, {adapter}) + L"\n";
    if (!change.problem.empty()) outcome.sentence += change.problem + L"\n" + change.detail + L"\n";
    outcome.removed.push_back({adapter, std::move(change)});
  }
  if (outcome.scanFailed) outcome.sentence += Say(TextId::ScanFailed) + std::wstring(L"\n");
  if (outcome.removed.empty() && !outcome.scanFailed) outcome.sentence = Say(TextId::NoOverrides) + std::wstring(L"\n");
  return outcome;
}

}  // namespace quav
