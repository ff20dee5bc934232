#pragma once

// Where the maker can be reached: the terms' contact paragraph and the About
// window's links.
namespace quav {

inline constexpr wchar_t kMakerName[] = L"ORV Software";
inline constexpr wchar_t kProductPage[] = L"https://www.example.com/quav12";
inline constexpr wchar_t kMakerPage[] = L"https://orv.example.com/quav12";
inline constexpr wchar_t kContactEmail[] = L"quav@example.com";

}  // namespace quav
