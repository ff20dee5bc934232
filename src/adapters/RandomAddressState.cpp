#include "adapters/RandomAddressState.h"

#include <algorithm>

namespace quav {
namespace {

// The namespace of the profile schema's third version, which brought the element.
constexpr std::wstring_view kProfileV3 = L"http://www.microsoft.com/networking/WLAN/profile/v3";

// The v3 child element of that name; null when there is none.
const XmlElement* V3Child(const XmlElement& parent, std::wstring_view name) {
  const std::vector<const XmlElement*> named = parent.Children(name);
  const auto found = std::find_if(named.begin(), named.end(),
                                  [](const XmlElement* child) { return child->namespaceUri == kProfileV3; });
  return found == named.end() ? nullptr : *found;
}

// An xs:boolean: "true" or "1", "false" or "0", with white space around;
// none for anything else.
std::optional<bool> Boolean(const XmlElement* element) {
  if (!element) return std::nullopt;
  constexpr std::wstring_view kBlanks = L" \t\r\n";
  const std::wstring_view text = element->text;
  const size_t first = text.find_first_not_of(kBlanks);
  if (first == std::wstring_view::npos) return std::nullopt;
  const std::wstring_view value = text.substr(first, text.find_last_not_of(kBlanks) - first + 1);
  if (value == L"true" || value == L"1") return true;
  if (value == L"false" || value == L"0") return false;
  return std::nullopt;
}

}  // namespace

std::optional<bool> InterfaceRandomSetting(std::string_view bytes) {
  if (bytes.size() < 4) return std::nullopt;
  uint32_t value = 0;
  for (size_t k = 0; k < 4; ++k) value |= static_cast<uint32_t>(static_cast<uint8_t>(bytes[k])) << (8 * k);
  if (value > 1) return std::nullopt;
  return value == 1;
}

std::optional<WindowsRandomAddress> ProfileRandomSetting(const XmlElement& profile) {
  if (profile.name != L"WLANProfile") return std::nullopt;
  const XmlElement* element = V3Child(profile, L"MacRandomization");
  if (!element) return std::nullopt;
  const std::optional<bool> enabled = Boolean(V3Child(*element, L"enableRandomization"));
  if (!enabled) return std::nullopt;
  if (!*enabled) return WindowsRandomAddress::Off;
  return Boolean(V3Child(*element, L"randomizeEveryday")).value_or(false) ? WindowsRandomAddress::Daily
                                                                          : WindowsRandomAddress::On;
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
    profile.replace(start, end + kEnd.size() - start, element);
    return profile;
  }
  const size_t close = profile.rfind(L"</WLANProfile>");
  if (close == std::wstring::npos) return std::nullopt;
  profile.insert(close, element);
  return profile;
}

}  // namespace quav
