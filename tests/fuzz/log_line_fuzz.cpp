// Change log lines from whatever the names and addresses hold: a machine,
// user or adapter name (a class subkey name may hold any character but "\")
// never breaks the one-line-per-change format.
#include <algorithm>
#include <vector>

#include "FuzzInput.h"
#include "change/LogLine.h"

namespace {

// The input's texts, split at U+FFFF (a character no field needs).
std::vector<std::wstring> Fields(const std::wstring& text, size_t count) {
  std::vector<std::wstring> fields(count);
  size_t field = 0;
  for (wchar_t c : text) {
    if (c == 0xFFFF) {
      if (++field == count) break;
    } else {
      fields[field].push_back(c);
    }
  }
  return fields;
}

bool IsControl(wchar_t c) { return c < 0x20 || c == 0x7F; }

// The characters a field takes in the line: a control character stands as
// its six-character escape.
size_t Shown(const std::wstring& field) {
  return field.size() + 5 * static_cast<size_t>(std::count_if(field.begin(), field.end(), IsControl));
}

void CheckOneLine(const std::wstring& line, size_t fieldLength, std::initializer_list<std::wstring_view> pieces,
                  const std::vector<std::wstring>& verbatim) {
  FUZZ_CHECK(std::none_of(line.begin(), line.end(), IsControl));
  FUZZ_CHECK(!line.empty() && line.back() == L']');
  size_t length = fieldLength;
  size_t at = 0;
  for (std::wstring_view piece : pieces) {
    length += piece.size();
    const size_t found = line.find(piece, at);
    FUZZ_CHECK(found != std::wstring::npos);
    at = found + piece.size();
  }
  // Each character of a field stands as itself or as its escape.
  FUZZ_CHECK(line.size() == length);
  for (const std::wstring& field : verbatim) {
    if (std::none_of(field.begin(), field.end(), IsControl)) FUZZ_CHECK(line.find(field) != std::wstring::npos);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  const std::vector<std::wstring> f = Fields(FuzzText(data, size), 6);
  const quav::LogLineFields fields{f[0], f[1], f[2], f[3]};
  const std::wstring& from = f[4];
  const std::wstring& to = f[5];
  const size_t common = Shown(f[0]) + Shown(f[1]) + Shown(f[2]) + Shown(f[3]);

  const std::wstring change = quav::AddressChangeLine(fields, from, to);
  if (from.empty()) {
    CheckOneLine(change, common + Shown(to), {L" [", L"]   设备   [", L"]       伪装 MAC 地址为       [", L"]   操作用户  [", L"]"},
                 f);
  } else {
    CheckOneLine(change, common + Shown(from) + Shown(to),
                 {L" [", L"]   设备   [", L"]         伪装 MAC 地址从       [", L"]  为 [", L"]   操作用户  [", L"]"}, f);
  }
  CheckOneLine(quav::AddressRemovalLine(fields), common,
               {L" [", L"]   设备   [", L"]         删除伪装的 MAC 地址         操作用户   [", L"]"},
               {f[0], f[1], f[2], f[3]});

  const std::wstring path = quav::LogFileIn(f[0]);
  const bool rooted = !f[0].empty() && f[0].back() == L'\\';
  FUZZ_CHECK(path == f[0] + (rooted ? L"QUAV.log" : L"\\QUAV.log"));
  return 0;
}
