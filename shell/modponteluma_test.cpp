#include "shell/modponteluma.h"
#include "tests/scripteddialogs.h"

#include <gtest/gtest.h>

using namespace ModPonteluma;

TEST(InputRules, KeystrokesOfADecimalNumberAreStoredInTurn) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(ValidateTyping("1"), "1");
    EXPECT_EQ(ValidateTyping("12"), "12");
    EXPECT_EQ(ValidateTyping("12,"), "12,");
    EXPECT_EQ(ValidateTyping("12,5"), "12,5");
    EXPECT_TRUE(dialogs.messages.empty());
    EXPECT_DOUBLE_EQ(ToNumber("12,"), 12.0);
}

TEST(InputRules, AWrongLastKeyDiscardsTheDatumWithTheMessage) {
    ScriptedDialogs dialogs;
    for (const char* typed : {"12.", "12-", "12 ", "12a"}) {
        dialogs.clear();
        EXPECT_EQ(ValidateTyping(typed), "") << typed;
        ASSERT_EQ(dialogs.messages.size(), 1u) << typed;
        EXPECT_EQ(dialogs.messages[0].text, "Attenzione! il dato digitato non è corretto: usare "
                                            "solo numeri e la virgola per i decimali.");
        EXPECT_EQ(dialogs.messages[0].icon, Icon::Stop);
        EXPECT_EQ(dialogs.messages[0].title,
                  "Ponteluma: controllo dati immessi nella finestra attiva");
    }
}

TEST(InputRules, LoneCommaAndPastedWrongCharacters) {
    ScriptedDialogs dialogs;
    EXPECT_EQ(ValidateTyping(","), "");
    EXPECT_EQ(ValidateTyping(""), "");
    EXPECT_EQ(ValidateTyping("1a2"), "12"); // pasted: the inner character drops silently
    EXPECT_EQ(ValidateTyping("1,2,3"), "1,2,3");
    EXPECT_TRUE(dialogs.messages.empty());
}

TEST(Numbers, DatumReadWithTheDecimalComma) {
    EXPECT_DOUBLE_EQ(ToNumber("12,5"), 12.5);
    EXPECT_DOUBLE_EQ(ToNumber(",5"), 0.5);
    EXPECT_DOUBLE_EQ(ToNumber("0,5"), 0.5);
    EXPECT_DOUBLE_EQ(ToNumber("12,5,3"), 12.5);
    EXPECT_DOUBLE_EQ(ToNumber(""), 0.0);
    EXPECT_DOUBLE_EQ(ToNumber("007"), 7.0);
}

TEST(Numbers, IntegerDigits) {
    EXPECT_EQ(IntegerDigits("123,45"), 3);
    EXPECT_EQ(IntegerDigits(",5"), 0);
    EXPECT_EQ(IntegerDigits(""), 0);
    EXPECT_EQ(IntegerDigits("12345"), 5);
    EXPECT_EQ(IntegerDigits("-2000"), 4);
    EXPECT_EQ(IntegerDigits(" 45000"), 5);
}

TEST(Numbers, StrAndResultTexts) {
    EXPECT_EQ(Str(3), " 3");
    EXPECT_EQ(Str(-3), "-3");
    EXPECT_EQ(Str(1.88), " 1.88");
    EXPECT_EQ(Str(0), " 0");
    EXPECT_EQ(Str(-0.0), " 0");
    EXPECT_EQ(Str(2.5), " 2.5");
    EXPECT_EQ(Str(0.1 + 0.2), " 0.3");
    EXPECT_EQ(FormatResult(157.1), "157,1");
    EXPECT_EQ(FormatResult(45000), "45000");
    EXPECT_EQ(FormatResult(-2), "-2");
    EXPECT_EQ(PrintForm(45000), " 45000");
    EXPECT_EQ(PrintForm(-2000), "-2000");
}

TEST(Numbers, RoundingIsHalfUp) {
    EXPECT_EQ(RoundHalfUp(-2.5), -2);
    EXPECT_EQ(RoundHalfUp(2.5), 3);
    EXPECT_EQ(RoundHalfUp(1333.5), 1334);
    EXPECT_EQ(RoundHalfUp(-62.5), -62);
    EXPECT_DOUBLE_EQ(RoundHalfUp1(5.756), 5.8);
    EXPECT_DOUBLE_EQ(RoundHalfUp1(15), 15);
}
