// Registry value data and texts, however they are stored.
#include "FuzzInput.h"
#include "platform/ValueData.h"
#include "platform/VersionNumber.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  namespace vd = quav::value_data;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::string_view trimmed = vd::TrimTrailingZeros(bytes);
  FUZZ_CHECK(trimmed.empty() || trimmed.back() != '\0');
  FUZZ_CHECK(bytes.compare(0, trimmed.size(), trimmed) == 0);

  const std::string multi = vd::BytesToStore(vd::kMultiSz, bytes);
  FUZZ_CHECK(multi.size() >= 2 && multi[multi.size() - 1] == '\0' && multi[multi.size() - 2] == '\0');
  FUZZ_CHECK(multi.compare(0, bytes.size(), bytes) == 0);
  FUZZ_CHECK(vd::BytesToStore(vd::kSz, bytes) == bytes);

  const std::wstring text = FuzzText(data, size);
  if (const auto number = vd::DwordFromText(text)) {
    FUZZ_CHECK(vd::DwordFromText(vd::DwordText(*number)) == number);
  }
  const double leading = quav::LeadingNumber(text);
  FUZZ_CHECK(leading == leading);  // never NaN
  return 0;
}
