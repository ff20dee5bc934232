#include "change/MakerChoice.h"

#include <algorithm>
#include <utility>

#include "change/RandomAddress.h"
#include "platform/NumberText.h"
#include "platform/Texts.h"

namespace quav {
namespace {

// How many matching makers are listed when none can be chosen.
constexpr size_t kMakersListed = 20;

// One maker of a list: a prefix, the name and how many prefixes it has.
std::wstring MakerLine(const Maker& maker) {
  const size_t count = maker.prefixes.size();
  return count == 1 ? Say(TextId::CliMakerLineOne, {PrefixText(maker.prefixes.front()), maker.name})
                    : Say(TextId::CliMakerLine, {PrefixText(maker.prefixes.front()), maker.name, NumberText(count)});
}

// A maker none of whose prefixes makes an individual, universally
// administered address is no choice.
MakerChoice Chosen(Maker maker, std::optional<uint32_t> typedPrefix = std::nullopt) {
  if (std::none_of(maker.prefixes.begin(), maker.prefixes.end(), IndividualPrefix)) {
    const std::wstring sentence =
        maker.prefixes.size() == 1
            ? Say(TextId::CliPrefixNotIndividual, {PrefixText(maker.prefixes.front()), maker.name})
            : Say(TextId::CliMakerNoIndividual, {maker.name});
    return {MakerChoiceStatus::None, std::nullopt, std::nullopt, sentence + L"\n"};
  }
  return {MakerChoiceStatus::Chosen, std::move(maker), typedPrefix, L""};
}

MakerChoice NoMaker(std::wstring sentence) {
  return {MakerChoiceStatus::None, std::nullopt, std::nullopt, std::move(sentence) + L"\n"};
}

}  // namespace

MakerChoice ChooseMakerByText(const std::wstring& text) {
  MakerSearch search = FindMakers(text, kMakersListed);
  if (search.prefix || search.matched == 1) return Chosen(MakerToDraw(search, 0), search.prefix);
  if (search.whole) return Chosen(std::move(*search.whole));
  if (search.matched == 0) return NoMaker(Say(TextId::CliMakerNone, {text}));
  std::wstring list = Say(TextId::CliMakerSeveral, {NumberText(search.matched), text}) + L"\n";
  for (const Maker& each : search.makers) list += MakerLine(each) + L"\n";
  if (search.matched > search.makers.size()) {
    list += Say(TextId::CliMakerMore, {NumberText(search.matched - search.makers.size())}) + L"\n";
  }
  return {MakerChoiceStatus::Several, std::nullopt, std::nullopt, list};
}

MakerChoice ChooseMakerOfAdapter(const std::wstring& adapterIndex, const std::wstring& adapterName,
                                 const std::optional<std::wstring>& burnedIn,
                                 const std::optional<std::wstring>& active) {
  // The burned-in address names the card's maker even under an override.
  const std::optional<std::wstring> address = burnedIn ? burnedIn : active;
  if (!address || address->empty()) return NoMaker(SayNaming(TextId::CliMakerNoAddress, adapterName, {adapterIndex}));
  std::optional<Maker> maker = MakerOfAddress(*address);
  if (!maker) return NoMaker(SayNaming(TextId::CliMakerUnknown, adapterName, {adapterIndex, *address}));
  return Chosen(std::move(*maker));
}

}  // namespace quav
