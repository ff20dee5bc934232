#include "platform/Cng.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace quav {
namespace {

std::vector<uint8_t> Hex(std::string_view hex) {
  std::vector<uint8_t> bytes;
  for (size_t k = 0; k + 1 < hex.size(); k += 2) {
    bytes.push_back(static_cast<uint8_t>(std::stoi(std::string(hex.substr(k, 2)), nullptr, 16)));
  }
  return bytes;
}

std::vector<uint8_t> Text(std::string_view text) { return {text.begin(), text.end()}; }

// RFC 4231's test cases for HMAC-SHA-256 (case 5 truncates the output,
// which no caller does): short and long keys, short and long data, and
// keys longer than SHA-256's block, which are hashed first.
TEST(Cng, HmacSha256GivesRfc4231sResults) {
  const struct {
    std::vector<uint8_t> key, data;
    std::string_view mac;
  } cases[] = {
      {std::vector<uint8_t>(20, 0x0b), Text("Hi There"),
       "b0344c61d8db38535ca8afceaf0bf12b881dc200c9833da726e9376c2e32cff7"},
      {Text("Jefe"), Text("what do ya want for nothing?"),
       "5bdcc146bf60754e6a042426089575c75a003f089d2739839dec58b964ec3843"},
      {std::vector<uint8_t>(20, 0xaa), std::vector<uint8_t>(50, 0xdd),
       "773ea91e36800e46854db8ebd09181a72959098b3ef8c122d9635514ced565fe"},
      {Hex("0102030405060708090a0b0c0d0e0f10111213141516171819"), std::vector<uint8_t>(50, 0xcd),
       "82558a389a443c0ea4cc819899f2083a85f0faa3e578f8077a2e3ff46729665b"},
      {std::vector<uint8_t>(131, 0xaa), Text("Test Using Larger Than Block-Size Key - Hash Key First"),
       "60e431591ee0b67f0d8a26aacbf5b77f8e0bc6213728c5140546040f0ee37f54"},
      {std::vector<uint8_t>(131, 0xaa),
       Text("This is a test using a larger than block-size key and a larger than block-size data. The key needs to "
            "be hashed before being used by the HMAC algorithm."),
       "9b09ffa71b942fcb27635fbcd5b0e944bfdc63644f0713938a7f51535c3a35e2"},
  };
  for (const auto& c : cases) {
    const std::optional<Sha256Digest> mac = HmacSha256(c.key, c.data);
    ASSERT_TRUE(mac.has_value());
    EXPECT_EQ(Hex(c.mac), std::vector<uint8_t>(mac->begin(), mac->end())) << c.mac;
  }
}

TEST(Cng, RandomBytesAreDrawnAnew) {
  std::vector<uint8_t> first(32), second(32);
  ASSERT_TRUE(SystemRandomBytes(first));
  ASSERT_TRUE(SystemRandomBytes(second));
  EXPECT_NE(first, second);
}

}  // namespace
}  // namespace quav
