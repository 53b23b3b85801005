#include <gtest/gtest.h>

#include <string>

#include "core/ui/TextFit.h"

namespace vitrex::ui {
namespace {

// Seven pixels a character, whatever its bytes; the ellipsis is one character.
int SevenPerCharacter(std::string_view utf8) {
    int characters = 0;
    for (char c : utf8) {
        if ((static_cast<unsigned char>(c) & 0xC0) != 0x80) ++characters;
    }
    return 7 * characters;
}

TEST(FitWithEllipsis, ATextThatFitsStaysAsItIs) {
    EXPECT_EQ(FitWithEllipsis("Ausnahmen", 63, SevenPerCharacter), "Ausnahmen");
    EXPECT_EQ(FitWithEllipsis("", 0, SevenPerCharacter), "");
}

// A caption of the reader's 2047 characters keeps as much as fits, and always its ellipsis.
TEST(FitWithEllipsis, ALongTextKeepsTheLongestBeginningThatFitsWithTheEllipsis) {
    const std::string longCaption(2047, 'x');
    const std::string fitted = FitWithEllipsis(longCaption, 350, SevenPerCharacter);
    EXPECT_EQ(fitted, std::string(49, 'x') + std::string(kEllipsis));
    EXPECT_LE(SevenPerCharacter(fitted), 350);
    EXPECT_EQ(FitWithEllipsis("abcdef", 41, SevenPerCharacter), "abcd\xE2\x80\xA6")
        << "the ellipsis counts too";
}

TEST(FitWithEllipsis, ACutNeverSplitsACharacter) {
    // "Über" and "Ä" are two bytes each at the start of a character.
    const std::string german =
        "\xC3\x9C"
        "ber \xC3\x84nderungen";
    EXPECT_EQ(FitWithEllipsis(german, 49, SevenPerCharacter),
              "\xC3\x9C"
              "ber \xC3\x84" +
                  std::string(kEllipsis));
    EXPECT_EQ(FitWithEllipsis(german, 3, SevenPerCharacter), std::string(kEllipsis)) << "not even one";
}

}  // namespace
}  // namespace vitrex::ui
