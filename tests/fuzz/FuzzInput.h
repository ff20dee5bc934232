#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

// Fuzz bytes as the program's texts: UTF-16 code units, two bytes each.
inline std::wstring FuzzText(const uint8_t* data, size_t size) {
  std::wstring text;
  for (size_t i = 0; i + 1 < size; i += 2) text.push_back(static_cast<wchar_t>(data[i] | (data[i + 1] << 8)));
  return text;
}

#define FUZZ_CHECK(condition) \
  do {                        \
    if (!(condition)) __builtin_trap(); \
  } while (0)
