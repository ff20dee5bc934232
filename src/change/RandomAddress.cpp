#include "change/RandomAddress.h"

#include <windows.h>
#include <wincrypt.h>

#include <algorithm>
#include <iterator>

#include "platform/Handles.h"

namespace quav {
namespace {

struct CryptProviderTraits {
  using Type = HCRYPTPROV;
  static Type Invalid() { return 0; }
  static void Close(Type h) { ::CryptReleaseContext(h, 0); }
};
using UniqueCryptProvider = UniqueAny<CryptProviderTraits>;

UniqueCryptProvider AcquireProvider() {
  HCRYPTPROV raw = 0;
  if (!::CryptAcquireContextW(&raw, nullptr, nullptr, PROV_RSA_FULL, CRYPT_VERIFYCONTEXT | CRYPT_SILENT)) {
    return UniqueCryptProvider();
  }
  return UniqueCryptProvider(raw);
}

// A verify-only context (no key container, so it works for any user),
// acquired once: acquiring loads the provider, which costs far more than a draw.
class CryptoRandomSource final : public RandomSource {
 public:
  bool Fill(MacBytes& bytes) override {
    static const UniqueCryptProvider provider = AcquireProvider();
    return provider && ::CryptGenRandom(provider.get(), static_cast<DWORD>(bytes.size()), bytes.data());
  }
};

}  // namespace

RandomSource& SystemRandomSource() {
  static CryptoRandomSource source;
  return source;
}

std::optional<MacBytes> RandomAddress(RandomSource& source) {
  MacBytes bytes{};
  if (!source.Fill(bytes)) return std::nullopt;
  return LocallyAdministeredUnicast(bytes);
}

std::optional<MacBytes> RandomAddressOf(const std::vector<uint32_t>& prefixes, RandomSource& source) {
  std::vector<uint32_t> usable;
  std::copy_if(prefixes.begin(), prefixes.end(), std::back_inserter(usable), IndividualPrefix);
  if (usable.empty()) return std::nullopt;
  // The first three random bytes choose the prefix; a draw at or above the
  // last whole multiple of the count is drawn again, so that no prefix is
  // likelier than another. Fewer than one draw in 256 is, so a source that
  // keeps giving such draws is broken.
  const uint32_t count = static_cast<uint32_t>(usable.size()), range = 1u << 24;
  const uint32_t limit = range - range % count;
  for (int attempt = 0; attempt < 64; ++attempt) {
    MacBytes bytes{};
    if (!source.Fill(bytes)) return std::nullopt;
    const uint32_t chosen = uint32_t{bytes[0]} << 16 | uint32_t{bytes[1]} << 8 | bytes[2];
    if (chosen >= limit) continue;
    const uint32_t prefix = usable[chosen % count];
    bytes[0] = static_cast<uint8_t>(prefix >> 16);
    bytes[1] = static_cast<uint8_t>(prefix >> 8);
    bytes[2] = static_cast<uint8_t>(prefix);
    return bytes;
  }
  return std::nullopt;
}

}  // namespace quav
