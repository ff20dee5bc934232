#pragma once

#include <algorithm>
#include <array>
#include <initializer_list>
#include <utility>

#include "platform/Texts.h"

// How a language's table is written: pairs of name and text, in any order.
// A name missing or given twice stops the build.
namespace quav {

using TextTable = std::array<const wchar_t*, kTextCount>;

consteval TextTable MakeTextTable(std::initializer_list<std::pair<TextId, const wchar_t*>> entries) {
  TextTable table{};
  for (const auto& [id, text] : entries) {
    if (table[static_cast<size_t>(id)] != nullptr) throw "a text is given twice";
    table[static_cast<size_t>(id)] = text;
  }
  if (std::any_of(table.begin(), table.end(), [](const wchar_t* text) { return text == nullptr; })) {
    throw "a text is missing";
  }
  return table;
}

}  // namespace quav
