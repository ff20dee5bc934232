#pragma once

#include <string>

namespace quav {

class Form;

// The command id of the entry AddSystemMenuItem adds; nothing reacts to it.
inline constexpr int kSystemMenuEntryId = 1010;

// Adds a separator and a text entry to the end of the window's system menu.
void AddSystemMenuItem(const Form& form, const std::wstring& caption);

}  // namespace quav
