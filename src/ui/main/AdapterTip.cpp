#include "ui/main/AdapterTip.h"

#include <iterator>

#include "adapters/AdapterScan.h"
#include "adapters/AddressMaker.h"
#include "adapters/ConnectionName.h"
#include "change/NewAddressRules.h"
#include "platform/TextRules.h"
#include "platform/Texts.h"
#include "schedule/ScheduleRecord.h"
#include "schedule/ScheduledRun.h"

namespace quav {
namespace {

// An address whose maker cannot be read is still shown, its maker unknown.
std::wstring WithMaker(const std::wstring& address) {
  const std::wstring maker = AddressMaker(address);
  return Say(TextId::TipWithMaker, {address, maker.empty() ? Say(TextId::TipMakerUnknown) : maker});
}

std::optional<TextId> RandomAddressText(WindowsRandomAddress state) {
  switch (state) {
    case WindowsRandomAddress::On: return TextId::TipRandomOn;
    case WindowsRandomAddress::Daily: return TextId::TipRandomDaily;
    case WindowsRandomAddress::Off: return TextId::TipRandomOff;
    case WindowsRandomAddress::Unknown: break;
  }
  return std::nullopt;
}

std::wstring BurnedInText(const AdapterTipFacts& facts) {
  if (facts.permanentAsking) return Say(TextId::TipBurnedInAsking);
  return facts.permanent ? WithMaker(*facts.permanent) : Say(TextId::TipBurnedInUnread);
}

// The network line's value; the address line's, none where there is no network.
std::wstring NetworkText(const NetworkAddressNow& now) {
  switch (now.network.status) {
    case NetworkIdentityStatus::Known: return now.network.name;
    case NetworkIdentityStatus::NotConnected: return Say(TextId::TipNotConnected);
    case NetworkIdentityStatus::LocationDenied: return Say(TextId::TipLocationDenied);
    case NetworkIdentityStatus::Unknown: break;
  }
  return Say(TextId::TipUnknown);
}

std::optional<std::wstring> NetworkAddressText(const NetworkAddressNow& now) {
  switch (now.status) {
    case NetworkAddressStatus::Derived: return MacDisplay(*now.address);
    case NetworkAddressStatus::WindowsOwn: return Say(TextId::TipNetworkWindows);
    case NetworkAddressStatus::NoKey:
    case NetworkAddressStatus::NoPrefix: return now.reason;
    case NetworkAddressStatus::NotConnected:
    case NetworkAddressStatus::Unknown:
    case NetworkAddressStatus::LocationDenied: break;
  }
  return std::nullopt;
}

}  // namespace

std::wstring AdapterTipText(const AdapterTipFacts& facts) {
  static constexpr TextId kLabels[] = {TextId::TipConnection, TextId::TipBurnedIn, TextId::TipActive, TextId::TipType};
  const std::wstring values[] = {
      facts.connectionName.empty() ? Say(TextId::TipNone) : facts.connectionName,
      BurnedInText(facts),
      facts.active.empty() ? Say(TextId::TipUnknown) : WithMaker(facts.active),
      Say(facts.wireless ? TextId::TipWireless : TextId::TipWired),
  };
  std::wstring text;
  for (size_t i = 0; i < std::size(values); ++i) text.append(Say(kLabels[i])).append(values[i]);
  const std::optional<TextId> random = RandomAddressText(facts.randomAddress);
  if (facts.wireless && random) text.append(Say(TextId::TipRandomAddress)).append(Say(*random));
  if (facts.perNetwork) {
    text.append(Say(TextId::TipNetwork)).append(NetworkText(*facts.perNetwork));
    if (const std::optional<std::wstring> address = NetworkAddressText(*facts.perNetwork)) {
      text.append(Say(TextId::TipNetworkAddress)).append(*address);
    }
  }
  return text;
}

void AdapterTips::Attach(ListView& list, AdapterFacts& facts) {
  list_ = &list;
  facts_ = &facts;
  const HWND window = list.Hwnd();
  burnedIn_ = std::make_unique<BurnedInAddresses>(
      facts, [window] { ::PostMessageW(window, RowTips::kTextChanged, 0, 0); });
  tips_.Attach(
      window, [this](long position) { return TextFor(position); }, [this] { burnedIn_->Forget(); });
}

// Read when the pointer comes onto the row, so that it is as current as Windows can tell.
std::wstring AdapterTips::TextFor(long position) {
  const std::wstring id = Trimmed(list_->Text(position));
  AdapterTipFacts tip;
  tip.connectionName = ConnectionName(AdapterInstanceId(id));
  const BurnedInAddresses::Answer burnedIn = burnedIn_->Find(id);
  tip.permanent = burnedIn.address;
  tip.permanentAsking = burnedIn.asking;
  tip.active = Trimmed(list_->SubItem(position, kActiveAddressColumn));
  tip.wireless = facts_->IsWireless(id);
  if (tip.wireless) tip.randomAddress = facts_->RandomAddress(id);
  long status = 0;
  const std::optional<Schedule> schedule = IsScheduleId(id) ? ReadScheduleRecord(id, status) : std::nullopt;
  if (schedule && schedule->address.source == AddressSource::PerNetwork) {
    tip.perNetwork = AddressOnNetwork(id, schedule->address, *facts_, false, ClockSeconds());
  }
  return AdapterTipText(tip);
}

}  // namespace quav
