#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <utility>
#include <vector>

// What the benchmark programs share: a clock, medians, and the CSV rows that
// scripts/bench.sh gathers into build/bench.csv and prints as the table.
namespace quav::bench {

inline double NowMs() {
  static const double ticksPerMs = [] {
    LARGE_INTEGER frequency;
    ::QueryPerformanceFrequency(&frequency);
    return static_cast<double>(frequency.QuadPart) / 1000.0;
  }();
  LARGE_INTEGER now;
  ::QueryPerformanceCounter(&now);
  return static_cast<double>(now.QuadPart) / ticksPerMs;
}

struct Stats {
  double median = 0;
  double p25 = 0;
  double p75 = 0;
};

inline Stats Summarise(std::vector<double> samples) {
  if (samples.empty()) return {};
  std::sort(samples.begin(), samples.end());
  const auto at = [&](double q) {
    const double position = q * static_cast<double>(samples.size() - 1);
    const size_t low = static_cast<size_t>(position);
    const size_t high = std::min(low + 1, samples.size() - 1);
    return samples[low] + (samples[high] - samples[low]) * (position - static_cast<double>(low));
  };
  return {at(0.5), at(0.25), at(0.75)};
}

inline constexpr char kCsvHeader[] = "section,measure,n,value,unit,spread,floor,floor_value,ratio,target,result";

// The median of the ratios of samples taken side by side in the same round:
// steadier than a ratio of medians while other work comes and goes.
inline double PairedRatio(const std::vector<double>& values, const std::vector<double>& floors) {
  std::vector<double> ratios;
  for (size_t i = 0; i < values.size() && i < floors.size(); ++i) {
    if (floors[i] > 0) ratios.push_back(values[i] / floors[i]);
  }
  return Summarise(ratios).median;
}

// One line of the table. Spread is half the interquartile range against the
// median. The ratio is value / floor value unless given; a target of "<=X"
// is checked on the ratio, "<X" on the value.
struct Row {
  Row(std::string section, std::string measure, std::string n, double value, std::string unit, std::string spread = {})
      : section(std::move(section)),
        measure(std::move(measure)),
        n(std::move(n)),
        value(value),
        unit(std::move(unit)),
        spread(std::move(spread)) {}

  std::string section;
  std::string measure;
  std::string n;
  double value;
  std::string unit;
  std::string spread;
  std::string floor;
  double floorValue = 0;
  double ratio = -1;
  std::string target;
  std::string result;  // set by the caller when the target is not a plain bound
};

inline std::string Number(double value) {
  char text[32];
  if (value >= 100) {
    std::snprintf(text, sizeof text, "%.0f", value);
  } else if (value >= 10) {
    std::snprintf(text, sizeof text, "%.1f", value);
  } else {
    std::snprintf(text, sizeof text, "%.2f", value);
  }
  return text;
}

inline std::string SpreadOf(const Stats& stats) {
  if (stats.median <= 0) return "";
  char text[16];
  std::snprintf(text, sizeof text, "+-%.0f%%", 50.0 * (stats.p75 - stats.p25) / stats.median);
  return text;
}

inline void Print(const Row& row) {
  std::string ratio, result = row.result;
  if (!row.floor.empty() && (row.ratio >= 0 || row.floorValue > 0)) {
    const double r = row.ratio >= 0 ? row.ratio : row.value / row.floorValue;
    char text[16];
    std::snprintf(text, sizeof text, "%.2f", r);
    ratio = text;
    if (result.empty() && row.target.rfind("<=", 0) == 0) {
      result = r <= std::stod(row.target.substr(2)) ? "met" : "MISSED";
    }
  }
  if (result.empty() && row.target.rfind("<", 0) == 0 && row.target.rfind("<=", 0) != 0) {
    result = row.value < std::stod(row.target.substr(1)) ? "met" : "MISSED";
  }
  std::printf("%s,%s,%s,%s,%s,%s,%s,%s,%s,%s,%s\n", row.section.c_str(), row.measure.c_str(), row.n.c_str(),
              Number(row.value).c_str(), row.unit.c_str(), row.spread.c_str(), row.floor.c_str(),
              row.floor.empty() ? "" : Number(row.floorValue).c_str(), ratio.c_str(), row.target.c_str(),
              result.c_str());
  std::fflush(stdout);
}

}  // namespace quav::bench
