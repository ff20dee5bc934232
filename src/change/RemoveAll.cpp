#include "change/RemoveAll.h"

#include "change/AdapterRows.h"
#include "platform/TextRules.h"
#include "platform/Texts.h"

namespace quav {

std::vector<ScannedAdapter> AdaptersWithOverride(bool& scanFailed) {
  std::vector<ScannedAdapter> adapters;
  for (ScannedAdapter& row : ScanEveryAdapter(scanFailed)) {
    // A row whose class key could not be read may hold one too: its removal
    // says what stands in the way.
    const bool unread = !row.unreadColumns.empty();
    if (unread || row.cells[size_t{kOverriddenColumn}] == Say(TextId::Yes)) adapters.push_back(std::move(row));
  }
  return adapters;
}

RemoveAllOutcome RemoveAllAndRecord(const std::wstring& logPath) {
  RemoveAllOutcome outcome;
  for (const ScannedAdapter& row : AdaptersWithOverride(outcome.scanFailed)) {
    const std::wstring adapter = Trimmed(row.cells[0]);
    const std::wstring name = AdapterNameRead(row);
    RecordedChange change = RemoveAndRecord(adapter, name, logPath);
    if (change.registry.done) outcome.sentence += SayNaming(TextId::CliRemoved, name, {adapter}) + L"\n";
    if (!change.problem.empty()) outcome.sentence += change.problem + L"\n" + change.detail + L"\n";
    outcome.removed.push_back({adapter, std::move(change)});
  }
  if (outcome.scanFailed) outcome.sentence += Say(TextId::ScanFailed) + std::wstring(L"\n");
  if (outcome.removed.empty() && !outcome.scanFailed) outcome.sentence = Say(TextId::NoOverrides) + std::wstring(L"\n");
  return outcome;
}

}  // namespace quav
