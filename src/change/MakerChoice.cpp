#include "change/MakerChoice.h"

#include <algorithm>

#include "change/RandomAddress.h"
#include "platform/Texts.h"

namespace quav {
namespace {

// How many matching makers are listed when none can be chosen.
constexpr size_t kMakersListed = 20;

// A maker none of whose prefixes makes an individual, universally
// administered address is no choice.
MakerChoice Chosen(Maker maker) {
  if (std::none_of(maker.prefixes.begin(), maker.prefixes.end(), IndividualPrefix)) {
    return {MakerChoiceStatus::None, std::nullopt, Say(TextId::CliMakerNoIndividual, {maker.name}) + L"\n"};
  }
  return {MakerChoiceStatus::Chosen, std::move(maker), L""};
}

}  // namespace

MakerChoice ChooseMakerByText(const std::wstring& text) {
  MakerSearch search = FindMakers(text, kMakersListed);
  if (search.matched == 1) return Chosen(std::move(search.makers.front()));
  if (search.whole) return Chosen(std::move(*search.whole));
  if (search.matched == 0) return {MakerChoiceStatus::None, std::nullopt, Say(TextId::CliMakerNone, {text}) + L"\n"};
  std::wstring list = Say(TextId::CliMakerSeveral, {std::to_wstring(search.matched), text}) + L"\n";
  for (const Maker& each : search.makers) {
    list += Say(TextId::CliMakerLine,
                {PrefixDisplay(each.prefixes.front()), each.name, std::to_wstring(each.prefixes.size())}) +
            L"\n";
  }
  if (search.matched > search.makers.size()) {
    list += Say(TextId::CliMakerMore, {std::to_wstring(search.matched - search.makers.size())}) + L"\n";
  }
  return {MakerChoiceStatus::Several, std::nullopt, list};
}

MakerChoice ChooseMakerOfAdapter(const std::wstring& adapterIndex, const std::wstring& adapterName,
                                 const std::optional<std::wstring>& burnedIn,
                                 const std::optional<std::wstring>& active) {
  // The burned-in address names the card's maker even under an override.
  const std::optional<std::wstring> address = burnedIn ? burnedIn : active;
  if (!address || address->empty()) {
    return {MakerChoiceStatus::None, std::nullopt,
            SayNaming(TextId::CliMakerNoAddress, adapterName, {adapterIndex}) + L"\n"};
  }
  std::optional<Maker> maker = MakerOfAddress(*address);
  if (!maker) {
    return {MakerChoiceStatus::None, std::nullopt,
            SayNaming(TextId::CliMakerUnknown, adapterName, {adapterIndex, *address}) + L"\n"};
  }
  return Chosen(std::move(*maker));
}

}  // namespace quav
