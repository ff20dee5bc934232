#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "adapters/AddressMaker.h"

// Which maker a random address is to come from: the one a text names (a
// prefix or part of a name), or the maker of the adapter's own address.
namespace quav {

enum class MakerChoiceStatus {
  Chosen,
  Several,  // the text matches several makers: the sentence lists the first of them
  None,     // the text matches no maker, or the adapter's address names none
};

struct MakerChoice {
  MakerChoiceStatus status = MakerChoiceStatus::None;
  // Chosen: the maker with the prefixes to draw from (a typed prefix alone,
  // else all of the maker's).
  std::optional<Maker> maker;
  std::optional<uint32_t> typedPrefix;  // the prefix the text gave, when it gave one
  std::wstring sentence;                // what to say when none was chosen; lines end in "\n"
};

// The maker whose name holds the text or who holds the prefix it gives; a
// text that is a maker's whole name chooses that maker.
MakerChoice ChooseMakerByText(const std::wstring& text);

// The maker of the adapter's burned-in address, else of its active address
// (none: not read); the adapter is named by its ID (and name) in the sentence.
MakerChoice ChooseMakerOfAdapter(const std::wstring& adapterIndex, const std::wstring& adapterName,
                                 const std::optional<std::wstring>& burnedIn,
                                 const std::optional<std::wstring>& active);

}  // namespace quav
