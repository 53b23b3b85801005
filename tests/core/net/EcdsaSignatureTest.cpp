#include <gtest/gtest.h>

#include <string>

#include "core/net/EcdsaSignature.h"

namespace vitrex::net {
namespace {

// What `openssl dgst -sha256 -sign` wrote for a P-256 key: s has its top bit set, so it carries a
// leading zero byte in DER.
constexpr const char* kOpenSsl =
    "304502204ba72eb41fd7565718add4d20b39e488e2212f165d35e042749a5047b2be2962022100c7887ecae4f4e061a5141d5f"
    "edea0f3a0a7cd1011c6702ef8c854834c15cf879";

std::string Hex(const std::array<std::uint8_t, 64>& bytes) {
    static constexpr char kDigits[] = "0123456789abcdef";
    std::string hex;
    for (std::uint8_t b : bytes) {
        hex += kDigits[b >> 4];
        hex += kDigits[b & 15];
    }
    return hex;
}

TEST(EcdsaSignature, OpenSslsDerBecomesRThenSOf32BytesEach) {
    const auto signature = EcdsaP256FromDerHex(kOpenSsl);
    ASSERT_TRUE(signature);
    EXPECT_EQ(Hex(*signature),
              "4ba72eb41fd7565718add4d20b39e488e2212f165d35e042749a5047b2be2962"
              "c7887ecae4f4e061a5141d5fedea0f3a0a7cd1011c6702ef8c854834c15cf879");
    // Upper-case digits read the same; a short number is padded at the front.
    EXPECT_EQ(EcdsaP256FromDerHex("3008020201230202FF00"), std::nullopt) << "a negative s";
    const auto short_ = EcdsaP256FromDerHex("300902020123020300ff00");
    ASSERT_TRUE(short_);
    EXPECT_EQ(Hex(*short_).substr(60, 4), "0123");
    EXPECT_EQ(Hex(*short_).substr(124, 4), "ff00");
}

TEST(EcdsaSignature, AnythingButOneMinimalSequenceOfTwoPositiveIntegersIsRefused) {
    const std::string good = kOpenSsl;
    for (const std::string& bad : {
             std::string(), good.substr(0, good.size() - 2),  // cut short
             good + "00",                                     // a byte after the sequence
             good.substr(0, good.size() - 1),                 // an odd digit count
             "31" + good.substr(2),                           // a set, not a sequence
             "3006020101020101" + std::string("zz"),          // no hex
             std::string("3003020101"),                       // one number only
             std::string("30080203000001020101"),             // r with a needless zero byte
             std::string("3006020100020101").substr(0, 8) + "0000",
             // r of 33 bytes without a sign byte's reason.
             "3026022101" + std::string(64, '1') + "020101",
             std::string("30060200020101"),  // an empty number
         }) {
        EXPECT_EQ(EcdsaP256FromDerHex(bad), std::nullopt) << bad;
    }
}

}  // namespace
}  // namespace vitrex::net
