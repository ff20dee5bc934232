#include "ui/main/AdapterTip.h"

#include <iterator>

#include "adapters/AddressMaker.h"
#include "change/NewAddressRules.h"
#include "platform/Texts.h"

namespace quav {
namespace {

// An address whose maker cannot be read is still shown, its maker unknown.
std::wstring WithMaker(const std::wstring& address) {
  const std::wstring maker = AddressMaker(address);
  return Say(TextId::TipWithMaker, {address, maker.empty() ? Say(TextId::TipMakerUnknown) : maker});
}

TextId RandomAddressText(WindowsRandomAddress state) {
  switch (state) {
    case WindowsRandomAddress::On: return TextId::TipRandomOn;
    case WindowsRandomAddress::Daily: return TextId::TipRandomDaily;
    case WindowsRandomAddress::Off: return TextId::TipRandomOff;
    case WindowsRandomAddress::Unknown: break;
  }
  return TextId::TipUnknown;
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
      facts.permanent ? WithMaker(*facts.permanent) : Say(TextId::TipBurnedInUnread),
      facts.active.empty() ? Say(TextId::TipUnknown) : WithMaker(facts.active),
      Say(facts.wireless ? TextId::TipWireless : TextId::TipWired),
  };
  std::wstring text;
  for (size_t i = 0; i < std::size(values); ++i) text.append(Say(kLabels[i])).append(values[i]);
  if (facts.wireless && facts.randomAddress) {
    text.append(Say(TextId::TipRandomAddress)).append(Say(RandomAddressText(*facts.randomAddress)));
  }
  if (facts.perNetwork) {
    text.append(Say(TextId::TipNetwork)).append(NetworkText(*facts.perNetwork));
    if (const std::optional<std::wstring> address = NetworkAddressText(*facts.perNetwork)) {
      text.append(Say(TextId::TipNetworkAddress)).append(*address);
    }
  }
  return text;
}

}  // namespace quav
