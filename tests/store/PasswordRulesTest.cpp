#include "store/Cp1252.h"
#include "store/PasswordRules.h"

#include <gtest/gtest.h>

namespace {

TEST(PasswordRules, EveryCharacterOfTheCodePageCanBeUsed)
{
    std::string everyAscii;
    for (int c = 1; c < 0x80; ++c)
        everyAscii += static_cast<char>(c);
    // The 27 characters the code page places at 0x80 to 0x9F, Latin-1 letters and
    // signs, and the five undefined places kept as C1 controls.
    for (const std::string& usable : {everyAscii, std::string("\u20AC\u201A\u0192\u201E\u2026\u2020\u2021\u02C6\u2030"),
                                      std::string("\u0160\u2039\u0152\u017D\u2018\u2019\u201C\u201D\u2022"),
                                      std::string("\u2013\u2014\u02DC\u2122\u0161\u203A\u0153\u017E\u0178"),
                                      std::string("\u00A0\u00A3\u00C6\u00DF\u00E9\u00F1\u00FC\u00FF\u0081\u008D\u008F\u0090\u009D")})
        EXPECT_EQ(store::charactersOutsideCp1252(usable), "") << usable;
    EXPECT_EQ(store::newPasswordProblem("Gr\u00FC\u00DFe \u20AC 5?"), "");
}

TEST(PasswordRules, OtherCharactersAreNamedOnceEachInOrder)
{
    EXPECT_EQ(store::charactersOutsideCp1252("\u0416a\u03A9\u0416\u4E2D\u0151"), "\u0416\u03A9\u4E2D\u0151");
    EXPECT_EQ(store::charactersOutsideCp1252("x\U0001F511y"), "\U0001F511");
    EXPECT_EQ(store::charactersOutsideCp1252(std::string("a\xFF" "b", 3)), "\uFFFD");
    // C1 controls that the code page uses for other characters do not fit.
    EXPECT_EQ(store::charactersOutsideCp1252("\u0080\u0099"), "\u0080\u0099");
}

TEST(PasswordRules, TheRefusalSaysWhatCannotAndWhatCanBeUsed)
{
    EXPECT_EQ(store::newPasswordProblem("\u041F\u0430\u0440\u043E\u043B\u044C 1"),
              "The password cannot hold \"\u041F\u0430\u0440\u043E\u043B\u044C\". A password may use the letters A to Z "
              "and a to z, the digits, blanks, punctuation marks and the accented letters of Western European "
              "languages (such as \u00E9, \u00F1, \u00FC, \u00DF, \u00E5): the characters of the Windows-1252 code "
              "page.");
}

} // namespace
