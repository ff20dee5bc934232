// The entry boxes' key filter: whatever keys arrive, typed or pasted, a box
// holds at most two upper-case hexadecimal digits.
#include <cstring>

#include "FuzzInput.h"
#include "ui/main/MacText.h"

namespace {

bool IsUpperHex(int c) { return (c >= '0' && c <= '9') || (c >= 'A' && c <= 'F'); }
bool IsLowerHex(int c) { return c >= 'a' && c <= 'f'; }

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  std::wstring box;
  for (size_t i = 0; i + 4 <= size; i += 4) {
    int key = 0;
    std::memcpy(&key, data + i, 4);
    const int filtered = quav::FilterEntryKey(key);
    if (IsUpperHex(key)) {
      FUZZ_CHECK(filtered == key);
    } else if (IsLowerHex(key)) {
      FUZZ_CHECK(filtered == key - 'a' + 'A');
    } else if (key == 8) {
      FUZZ_CHECK(filtered == 8);
    } else {
      FUZZ_CHECK(filtered == 0);
    }
    FUZZ_CHECK(quav::FilterEntryKey(filtered) == filtered);

    // The box as the edit control keeps it: two characters at most.
    if (filtered == 8) {
      if (!box.empty()) box.pop_back();
    } else if (filtered != 0 && box.size() < 2) {
      box.push_back(static_cast<wchar_t>(filtered));
    }
    const std::wstring completed = quav::CompleteEntryBox(box);
    FUZZ_CHECK(completed.size() == (box.empty() ? 0u : 2u));
    for (wchar_t c : completed) FUZZ_CHECK(IsUpperHex(c));
  }
  return 0;
}
