#include "ui/main/MacText.h"

#include <algorithm>
#include <cwctype>

#include "platform/TextRules.h"

namespace quav {

MacFormat FormatMacText(std::wstring text, bool fillBoxes) {
  MacFormat result;
  if (fillBoxes) result.boxes.emplace();  // emptied first, whatever follows
  if (text.empty()) return result;
  text = Removed(std::move(text), L'-');
  if (text.size() > 12) text.resize(12);
  text = UpperCase(std::move(text));
  if (fillBoxes && text.size() < 12) text.insert(0, 12 - text.size(), L'0');
  if (text.empty()) return result;
  if (!std::all_of(text.begin(), text.end(), [](wchar_t c) { return HexDigitValue(c) >= 0; })) return result;
  std::array<std::wstring, 6> pairs;
  for (size_t k = 0; k < 6; ++k) {
    const size_t start = 2 * k;
    if (start >= text.size()) {
      pairs[k] = L"00";
    } else if (start + 1 >= text.size()) {
      pairs[k] = std::wstring(L"0") + text[start];
    } else {
      pairs[k] = text.substr(start, 2);
    }
    result.display += pairs[k];
    if (k < 5) result.display += L'-';
  }
  if (fillBoxes) result.boxes = pairs;
  return result;
}

int FilterEntryKey(int keyAscii) {
  if (keyAscii == 8) return keyAscii;
  if (keyAscii < 0 || keyAscii > 0xFFFF || HexDigitValue(static_cast<wchar_t>(keyAscii)) < 0) return 0;
  return static_cast<int>(std::towupper(static_cast<wint_t>(keyAscii)));
}

std::wstring CompleteEntryBox(const std::wstring& text) { return text.size() == 1 ? L"0" + text : text; }

bool UpdateButtonEnabled(size_t joinedLength, long rowCount) { return joinedLength >= 11 && rowCount > 0; }

bool ClearButtonEnabled(size_t joinedLength) { return joinedLength > 0; }

}  // namespace quav
