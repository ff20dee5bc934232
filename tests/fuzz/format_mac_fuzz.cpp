// Address texts as a user or the registry may give them.
#include "FuzzInput.h"
#include "change/NewAddressRules.h"
#include "ui/main/MacText.h"

namespace {

bool IsPair(const std::wstring& pair) {
  auto hex = [](wchar_t c) { return (c >= L'0' && c <= L'9') || (c >= L'A' && c <= L'F'); };
  return pair.size() == 2 && hex(pair[0]) && hex(pair[1]);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::wstring text = FuzzText(data, size);
  for (bool fill : {false, true}) {
    const quav::MacFormat formatted = quav::FormatMacText(text, fill);
    FUZZ_CHECK(formatted.boxes.has_value() == fill);
    if (formatted.display.empty()) {
      if (fill) {
        for (const std::wstring& box : *formatted.boxes) FUZZ_CHECK(box.empty());
      }
      continue;
    }
    // Six pairs joined by "-", stable when formatted again.
    FUZZ_CHECK(formatted.display.size() == 17);
    for (size_t k = 0; k < 6; ++k) {
      FUZZ_CHECK(IsPair(formatted.display.substr(3 * k, 2)));
      if (k < 5) FUZZ_CHECK(formatted.display[3 * k + 2] == L'-');
      if (fill) FUZZ_CHECK((*formatted.boxes)[k] == formatted.display.substr(3 * k, 2));
    }
    FUZZ_CHECK(quav::FormatMacText(formatted.display, false).display == formatted.display);
  }
  for (wchar_t c : text) {
    const int key = quav::FilterEntryKey(c);
    FUZZ_CHECK(key == 0 || key == 8 || (key >= L'0' && key <= L'9') || (key >= L'A' && key <= L'F'));
  }
  // An address the command line takes comes back unchanged in both forms it
  // is written in.
  if (const std::optional<quav::MacBytes> address = quav::ParseMacArgument(text)) {
    FUZZ_CHECK(quav::ParseMacArgument(quav::MacDigits(*address)) == address);
    FUZZ_CHECK(quav::ParseMacArgument(quav::MacDisplay(*address)) == address);
    FUZZ_CHECK(text.size() == 12 || text.size() == 17);
  }
  return 0;
}
