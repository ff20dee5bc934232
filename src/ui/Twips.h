#pragma once

// Window geometry is designed in twips (1/1440 inch: 15 to a pixel at 96 dots
// per inch) and scaled to the screen's resolution.
namespace quav {

inline constexpr int kTwipsPerInch = 1440;

// As MulDiv(twips, dpi, 1440): rounded to the nearest pixel.
constexpr int TwipsToPixels(int twips, int dpi) {
  const long long product = static_cast<long long>(twips) * dpi;
  return static_cast<int>(product >= 0 ? (product + kTwipsPerInch / 2) / kTwipsPerInch
                                       : -((-product + kTwipsPerInch / 2) / kTwipsPerInch));
}

constexpr int PixelsToTwips(int pixels, int dpi) {
  return dpi > 0 ? static_cast<int>(static_cast<long long>(pixels) * kTwipsPerInch / dpi) : 0;
}

}  // namespace quav
