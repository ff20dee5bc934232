#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "platform/Texts.h"

// The texts of an adapter row that the scan derives from WMI's answers.
namespace quav {

// WMI's Index as the row's ID, the name of its class subkey: one to three
// digits get leading zeros up to four (7 gives 0007); longer texts stay.
std::wstring PaddedAdapterIndex(std::wstring indexText);

// The platform's "00:50:56:C0:00:08" in display form, "-" between the pairs.
std::wstring DisplayMacAddress(std::wstring macText);

// The address column shows IPv4 addresses only: a text without "." is left out.
std::wstring AddressColumnText(std::wstring_view firstAddress);

// The yes/no cells of the columns 1 (活动) and 2 (伪装).
inline constexpr TextRef kYesText{TextId::Yes};
inline constexpr TextRef kNoText{TextId::No};

// Two cells of a yes/no column by their meaning, "否" before "是": negative,
// zero or positive. The user's locale need not collate them that way (a
// Japanese one puts 是 first). None for other columns or other texts, which
// compare as the list compares text.
std::optional<int> CompareByMeaning(int column, std::wstring_view a, std::wstring_view b);

}  // namespace quav
