#include "platform/Cng.h"

#include <windows.h>
#include <bcrypt.h>

#include <type_traits>
#include <vector>

#include "platform/DllSearch.h"
#include "platform/ScopeExit.h"

namespace quav {
namespace {

struct CngFunctions {
  decltype(&::BCryptOpenAlgorithmProvider) open = nullptr;
  decltype(&::BCryptCloseAlgorithmProvider) close = nullptr;
  decltype(&::BCryptGetProperty) property = nullptr;
  decltype(&::BCryptCreateHash) createHash = nullptr;
  decltype(&::BCryptHashData) hashData = nullptr;
  decltype(&::BCryptFinishHash) finishHash = nullptr;
  decltype(&::BCryptDestroyHash) destroyHash = nullptr;
  decltype(&::BCryptGenRandom) random = nullptr;
};

// Resolved once; all null when the DLL or any function is missing.
const CngFunctions& Cng() {
  static const CngFunctions functions = [] {
    CngFunctions found;
    const HMODULE module = LoadSystemDll("bcrypt.dll");
    if (!module) return found;
    auto get = [module](auto& slot, const char* name) {
      slot = reinterpret_cast<std::remove_reference_t<decltype(slot)>>(
          reinterpret_cast<void*>(::GetProcAddress(module, name)));
      return slot != nullptr;
    };
    if (!(get(found.open, "BCryptOpenAlgorithmProvider") && get(found.close, "BCryptCloseAlgorithmProvider") &&
          get(found.property, "BCryptGetProperty") &&
          get(found.createHash, "BCryptCreateHash") && get(found.hashData, "BCryptHashData") &&
          get(found.finishHash, "BCryptFinishHash") && get(found.destroyHash, "BCryptDestroyHash") &&
          get(found.random, "BCryptGenRandom"))) {
      return CngFunctions{};
    }
    return found;
  }();
  return functions;
}

bool Succeeded(NTSTATUS status) { return status >= 0; }

// CNG takes mutable pointers for data it only reads.
PUCHAR Bytes(std::span<const uint8_t> bytes) { return const_cast<PUCHAR>(bytes.data()); }

}  // namespace

std::optional<Sha256Digest> HmacSha256(std::span<const uint8_t> key, std::span<const uint8_t> message) {
  const CngFunctions& cng = Cng();
  if (!cng.open) return std::nullopt;
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!Succeeded(cng.open(&algorithm, BCRYPT_SHA256_ALGORITHM, nullptr, BCRYPT_ALG_HANDLE_HMAC_FLAG))) {
    return std::nullopt;
  }
  const ScopeExit closeAlgorithm([&] { cng.close(algorithm, 0); });
  // Windows Vista wants the hash object's memory from the caller (7 and
  // later would allocate it themselves).
  DWORD objectSize = 0;
  ULONG written = 0;
  if (!Succeeded(cng.property(algorithm, BCRYPT_OBJECT_LENGTH, reinterpret_cast<PUCHAR>(&objectSize),
                              sizeof objectSize, &written, 0))) {
    return std::nullopt;
  }
  std::vector<UCHAR> object(objectSize);
  BCRYPT_HASH_HANDLE hash = nullptr;
  if (!Succeeded(cng.createHash(algorithm, &hash, object.data(), objectSize, Bytes(key),
                                static_cast<ULONG>(key.size()), 0))) {
    return std::nullopt;
  }
  const ScopeExit destroyHash([&] { cng.destroyHash(hash); });
  Sha256Digest digest{};
  if (!Succeeded(cng.hashData(hash, Bytes(message), static_cast<ULONG>(message.size()), 0)) ||
      !Succeeded(cng.finishHash(hash, digest.data(), static_cast<ULONG>(digest.size()), 0))) {
    return std::nullopt;
  }
  return digest;
}

bool SystemRandomBytes(std::span<uint8_t> bytes) {
  const CngFunctions& cng = Cng();
  if (!cng.open) return false;
  BCRYPT_ALG_HANDLE algorithm = nullptr;
  if (!Succeeded(cng.open(&algorithm, BCRYPT_RNG_ALGORITHM, nullptr, 0))) return false;
  const ScopeExit closeAlgorithm([&] { cng.close(algorithm, 0); });
  return Succeeded(cng.random(algorithm, bytes.data(), static_cast<ULONG>(bytes.size()), 0));
}

}  // namespace quav
