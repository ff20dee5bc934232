#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>

// The text rules of MAC addresses typed and shown in the main window.
namespace quav {

struct MacFormat {
  // Six pairs joined by "-" (00-50-56-C0-00-08), or empty when the text was
  // empty or held a character that is not a hexadecimal digit.
  std::wstring display;
  // With fill-boxes: what the six boxes hold afterwards (emptied, or the six pairs).
  std::optional<std::array<std::wstring, 6>> boxes;
};

// Normalises an address text: "-" removed, at most 12 characters kept, upper
// case. Filling the boxes pads a short address with zeros on the left (123
// gives 00-00-00-00-01-23); otherwise it is split from the left and a lone
// last digit gets a zero in front (123 gives 12-03-00-00-00-00). Colons and
// blanks make the text invalid.
MacFormat FormatMacText(std::wstring text, bool fillBoxes);

// What a key typed into an entry box becomes: the upper-case form of a
// hexadecimal digit, Backspace (8) unchanged, anything else 0 (cancelled).
int FilterEntryKey(int keyAscii);

// A box left holding one character gets a "0" in front of it.
std::wstring CompleteEntryBox(const std::wstring& text);

// The update button needs 11 characters or more in the boxes (a lone last
// digit is completed when the focus leaves its box) and a row in the list.
bool UpdateButtonEnabled(size_t joinedLength, long rowCount);
bool ClearButtonEnabled(size_t joinedLength);

}  // namespace quav
