#include "change/RandomAddress.h"

#include <windows.h>
#include <wincrypt.h>

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

}  // namespace quav
