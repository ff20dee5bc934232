// The schedule of the selected adapter, and every adapter put back to its
// own address: the operations run here, their sentences shown.
#include <windows.h>

#include <algorithm>
#include <memory>

#include "change/MakerChoice.h"
#include "change/RandomAddress.h"
#include "change/RemoveAll.h"
#include "adapters/ConnectionName.h"
#include "adapters/WlanRandomAddress.h"
#include "platform/ErrorText.h"
#include "platform/TextRules.h"
#include "schedule/ScheduleOperation.h"
#include "schedule/ScheduleRecord.h"
#include "ui/WindowTitle.h"
#include "ui/main/frmMain.h"
#include "ui/main/frmMainControls.h"

namespace quav {

using namespace frmMainControls;

namespace {

// The row of the adapter, 0 when it is not listed.
long RowOf(const ListView& list, const std::wstring& adapter) {
  for (long position = 1; position <= list.Count(); ++position) {
    if (Trimmed(list.Text(position)) == adapter) return position;
  }
  return 0;
}

// A sentence made for the console, without its last line end.
std::wstring ForMessage(std::wstring text) {
  while (!text.empty() && text.back() == L'\n') text.pop_back();
  return text;
}

}  // namespace

void frmMain::mnuSchedule_Click() {
  const std::wstring id = SelectedAdapterIndex;
  const long row = RowOf(lvwNIC, id);
  const auto tell = [this](const std::wstring& text, UINT icon) {
    services_.host.ShowMessage(Hwnd(), text, WindowTitle(), MB_OK | icon);
  };
  if (row == 0 || !IsScheduleId(id)) return tell(Say(TextId::ScheduleSelectAdapter), MB_ICONINFORMATION);
  if (const std::optional<std::wstring> impossible = SchedulingImpossible()) return tell(*impossible, MB_ICONEXCLAMATION);

  long status = 0;
  frmSchedule::Input input{id, lvwNIC.SubItem(row, 3), ReadScheduleRecord(id, status), std::nullopt, std::nullopt};
  const bool wireless = Facts().IsWireless(id);
  if (wireless) {
    // Windows' own per-network address, where it knows of it for this network.
    const WindowsRandomAddress windows = Facts().RandomAddress(id);
    const NetworkIdentity network = windows != WindowsRandomAddress::Unknown ? Facts().Network(id) : NetworkIdentity{};
    if (network.status == NetworkIdentityStatus::Known && network.source == NetworkSource::WiFi) {
      (IsWindowsRandomOn(windows) ? input.windowsInForce : input.windowsOffer) = network.name;
    }
  }
  const frmSchedule::Answer answer = services_.windows.ShowSchedule(Hwnd(), input);
  if (answer.choice == frmSchedule::Choice::None) return;
  if (answer.choice == frmSchedule::Choice::UseWindows) {
    SystemWlanConnection wlan;
    const unsigned long result = TurnOnWindowsRandomAddress(AdapterInstanceId(id), answer.daily, wlan);
    return result == ERROR_SUCCESS
               ? tell(Say(TextId::WindowsRandomTurnedOn, {id, *input.windowsOffer}), MB_ICONINFORMATION)
               : tell(Say(TextId::WindowsRandomFailed, {*input.windowsOffer, SystemErrorText(result)}),
                      MB_ICONEXCLAMATION);
  }

  std::unique_ptr<TaskStore> systemTasks = services_.scheduling.tasks ? nullptr : SystemTaskStore();
  TaskStore& tasks = services_.scheduling.tasks ? *services_.scheduling.tasks : *systemTasks;
  if (answer.choice == frmSchedule::Choice::Remove) {
    const ScheduleOutcome removed = Unschedule(id, tasks);
    return tell(removed.sentence, removed.status == ScheduleStatus::Done ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
  }
  Schedule schedule{id, answer.moments, {answer.source, L"", answer.daily, answer.keepMaker}};
  if (answer.source == AddressSource::PerNetwork && answer.keepMaker && wireless) {
    return tell(Say(TextId::PerNetworkWireless, {id}), MB_ICONEXCLAMATION);
  }
  if (answer.source == AddressSource::Maker || answer.source == AddressSource::KeepMaker || answer.keepMaker) {
    const MakerChoice choice =
        answer.source == AddressSource::Maker
            ? ChooseMakerByText(answer.makerText)
            : ChooseMakerOfAdapter(id, lvwNIC.SubItem(row, 3), Facts().PermanentAddress(id),
                                   Trimmed(lvwNIC.SubItem(row, 5)));
    if (choice.status != MakerChoiceStatus::Chosen) return tell(ForMessage(choice.sentence), MB_ICONEXCLAMATION);
    if (answer.source == AddressSource::Maker) schedule.address = MakerKind(choice);
  }
  ScheduleServices scheduling{tasks, services_.scheduling.place.value_or(SystemInstallPlace())};
  const ScheduleOutcome outcome = ScheduleAdapter(schedule, scheduling);
  tell(outcome.sentence, outcome.status == ScheduleStatus::Done ? MB_ICONINFORMATION : MB_ICONEXCLAMATION);
}

void frmMain::mnuRemoveAll_Click() {
  if (services_.host.ShowMessage(Hwnd(), Say(TextId::RemoveAllQuestion), WindowTitle(),
                                 MB_YESNO | MB_ICONQUESTION | MB_DEFBUTTON2) != IDYES) {
    return;
  }
  const RemoveAllOutcome outcome = RemoveAllAndRecord(LogFilePath());
  const bool failed =
      outcome.scanFailed || std::any_of(outcome.removed.begin(), outcome.removed.end(),
                                        [](const RemovedAdapter& each) { return !each.change.problem.empty(); });
  services_.host.ShowMessage(Hwnd(), ForMessage(outcome.sentence), WindowTitle(),
                             MB_OK | (failed ? MB_ICONEXCLAMATION : MB_ICONINFORMATION));
  RefreshAdapterList(false);
}

}  // namespace quav
