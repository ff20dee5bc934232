#include "adapters/RandomAddressState.h"

namespace quav {
namespace {

// The text of the first <name>…</name> within the element, trimmed of blanks;
// none when it is not there. Profiles carry the element without a prefix.
std::optional<std::wstring_view> ElementText(std::wstring_view xml, std::wstring_view name) {
  const std::wstring open = L"<" + std::wstring(name) + L">";
  const std::wstring close = L"</" + std::wstring(name) + L">";
  const size_t start = xml.find(open);
  if (start == std::wstring_view::npos) return std::nullopt;
  const size_t from = start + open.size();
  const size_t end = xml.find(close, from);
  if (end == std::wstring_view::npos) return std::nullopt;
  std::wstring_view text = xml.substr(from, end - from);
  while (!text.empty() && (text.front() == L' ' || text.front() == L'\t' || text.front() == L'\r' || text.front() == L'\n')) text.remove_prefix(1);
  while (!text.empty() && (text.back() == L' ' || text.back() == L'\t' || text.back() == L'\r' || text.back() == L'\n')) text.remove_suffix(1);
  return text;
}

// xs:boolean: "true" or "1".
bool IsTrue(std::optional<std::wstring_view> text) { return text && (*text == L"true" || *text == L"1"); }

}  // namespace

std::optional<bool> InterfaceRandomSetting(std::string_view bytes) {
  if (bytes.size() < 4) return std::nullopt;
  uint32_t value = 0;
  for (size_t k = 0; k < 4; ++k) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[k])) << (8 * k);
  return value == 1;
}

std::optional<WindowsRandomAddress> ProfileRandomSetting(std::wstring_view profileXml) {
  const size_t start = profileXml.find(L"<MacRandomization");
  if (start == std::wstring_view::npos) return std::nullopt;
  const size_t end = profileXml.find(L"</MacRandomization>", start);
  const std::wstring_view element =
      profileXml.substr(start, end == std::wstring_view::npos ? std::wstring_view::npos : end - start);
  const std::optional<std::wstring_view> enabled = ElementText(element, L"enableRandomization");
  if (!enabled) return std::nullopt;
  if (!IsTrue(enabled)) return WindowsRandomAddress::Off;
  return IsTrue(ElementText(element, L"randomizeEveryday")) ? WindowsRandomAddress::Daily : WindowsRandomAddress::On;
}

WindowsRandomAddress DecideRandomAddress(std::optional<bool> interfaceSetting,
                                         std::optional<WindowsRandomAddress> profileSetting) {
  if (profileSetting) return *profileSetting;
  if (interfaceSetting) return *interfaceSetting ? WindowsRandomAddress::On : WindowsRandomAddress::Off;
  return WindowsRandomAddress::Unknown;
}

bool IsWindowsRandomOn(WindowsRandomAddress state) {
  return state == WindowsRandomAddress::On || state == WindowsRandomAddress::Daily;
}

std::wstring_view RandomAddressKeyword(WindowsRandomAddress state) {
  switch (state) {
    case WindowsRandomAddress::On: return L"on";
    case WindowsRandomAddress::Daily: return L"daily";
    case WindowsRandomAddress::Off: return L"off";
    case WindowsRandomAddress::Unknown: break;
  }
  return L"";
}

std::optional<std::wstring> ProfileWithRandomAddress(std::wstring_view profileXml, bool daily) {
  const std::wstring element =
      std::wstring(L"<MacRandomization xmlns=\"http://www.microsoft.com/networking/WLAN/profile/v3\">"
                   L"<enableRandomization>true</enableRandomization><randomizeEveryday>") +
      (daily ? L"true" : L"false") + L"</randomizeEveryday></MacRandomization>";
  std::wstring profile(profileXml);
  constexpr std::wstring_view kEnd = L"</MacRandomization>";
  if (const size_t start = profile.find(L"<MacRandomization"); start != std::wstring::npos) {
    const size_t end = profile.find(kEnd, start);
    if (end == std::wstring::npos) return std::nullopt;
    return profile.replace(start, end + kEnd.size() - start, element);
  }
  const size_t close = profile.rfind(L"</WLANProfile>");
  if (close == std::wstring::npos) return std::nullopt;
  return profile.insert(close, element);
}

}  // namespace quav
