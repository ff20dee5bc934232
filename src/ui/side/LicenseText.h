#pragma once

#include <string>

namespace quav {

// The terms of use: 28 paragraphs, each but the last followed by an empty
// line. Built afresh on every call.
std::wstring GetLicenseText();

}  // namespace quav
