#pragma once

#include <string>

namespace quav {

// A count as the user's locale writes whole numbers, digits grouped
// ("7,925"), as Windows shows counts.
std::wstring NumberText(unsigned long long number);

}  // namespace quav
