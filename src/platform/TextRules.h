#pragma once

#include <string>

// Small text operations the program's rules are written in.
namespace quav {

// Blanks removed at both ends (other white space stays).
std::wstring Trimmed(const std::wstring& text);

// Every occurrence of one character replaced by another.
std::wstring Replaced(std::wstring text, wchar_t from, wchar_t to);

// Every occurrence of a character removed.
std::wstring Removed(std::wstring text, wchar_t character);

// Upper case, as far as the C library knows the letters.
std::wstring UpperCase(std::wstring text);

// A Boolean setting counts as set when its text, in lower case, is "1".
bool ReadsAsSet(const std::wstring& text);

// The value of a hexadecimal digit (0-9, a-f, A-F); -1 for any other character.
int HexDigitValue(wchar_t c);

}  // namespace quav
