#include "sheet/numbers.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <string>

using namespace ModPonteluma;

const QString kWrongKey = "Attenzione! Il dato digitato non è corretto: usare solo numeri e la "
                          "virgola per i decimali.";

TEST(InputRules, KeystrokesOfADecimalNumberAreStoredInTurn) {
    for (const char* typed : {"1", "12", "12,", "12,5"}) {
        EXPECT_EQ(ValidateTyping(typed).accepted, typed);
        EXPECT_TRUE(ValidateTyping(typed).refusal.isEmpty()) << typed;
    }
    EXPECT_DOUBLE_EQ(ToNumber("12,"), 12.0);
}

TEST(InputRules, AWrongLastKeyDiscardsTheDatumWithTheMessage) {
    for (const char* typed : {"12.", "12-", "12 ", "12a"}) {
        const Typed result = ValidateTyping(typed);
        EXPECT_EQ(result.accepted, "") << typed;
        EXPECT_EQ(result.refusal, kWrongKey) << typed;
    }
}

TEST(InputRules, LoneCommaAndPastedWrongCharacters) {
    EXPECT_EQ(ValidateTyping(",").accepted, "");
    EXPECT_EQ(ValidateTyping("").accepted, "");
    EXPECT_EQ(ValidateTyping("1,2,3").accepted, "1,2,3");
    for (const char* quiet : {",", "", "1,2,3"})
        EXPECT_TRUE(ValidateTyping(quiet).refusal.isEmpty()) << quiet;
    // Pasted text with a wrong character anywhere is refused whole: "12.5" from a
    // spreadsheet must not become 125.
    for (const char* pasted : {"12.5", "1a2", "1.250", "-3", " 7"}) {
        EXPECT_EQ(ValidateTyping(pasted).accepted, "") << pasted;
        EXPECT_EQ(ValidateTyping(pasted).refusal, kWrongKey) << pasted;
    }
}

TEST(Numbers, ReadingAndWritingIgnoreTheProcessLocale) {
    // The application object sets LC_NUMERIC from the desktop: in Italian the C
    // library's decimal separator is the comma.
    const std::string saved = setlocale(LC_ALL, nullptr);
    for (const char* name : {"it_IT.UTF-8", "C"}) {
        if (!setlocale(LC_ALL, name))
            continue; // the locale is not installed here
        EXPECT_DOUBLE_EQ(ToNumber("12,5"), 12.5) << name;
        EXPECT_DOUBLE_EQ(ToNumber("0,5"), 0.5) << name;
        EXPECT_EQ(FormatResult(8333.5), "8333,5") << name;
        EXPECT_EQ(Str(1.5), " 1.5") << name;
    }
    setlocale(LC_ALL, saved.c_str());
}

TEST(Numbers, HugeResultsInPlainDigits) {
    EXPECT_TRUE(QRegularExpression("^[0-9]{19}$").match(FormatResult(8.333e18)).hasMatch());
    EXPECT_EQ(FormatResult(-1.6e22), "-16000000000000000000000");
    EXPECT_EQ(FormatResult(123456789012.5), "123456789012,5");
    EXPECT_EQ(PrintForm(1e16), " 10000000000000000");
    EXPECT_FALSE(FormatResult(1e300).contains('e'));
    // A datum beyond a double reads as infinite, never as a wrapped-around value.
    EXPECT_TRUE(std::isinf(ToNumber(QString(400, '9'))));
    EXPECT_EQ(ToNumber("0," + QString(400, '0') + "1"), 0.0);
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
    // Negative halves go up too: toward zero.
    EXPECT_DOUBLE_EQ(RoundHalfUp1(-0.25), -0.2);
    EXPECT_DOUBLE_EQ(RoundHalfUp1(-12.75), -12.7);
    EXPECT_DOUBLE_EQ(RoundHalfUp1(0.25), 0.3);
    EXPECT_DOUBLE_EQ(RoundHalfUp1(15), 15);
}
