#include "sheet/units.h"

#include "sheet/numbers.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

constexpr Quantity kConverted[] = {
    Quantity::SectionLength, Quantity::Force,  Quantity::LineLoad,
    Quantity::AreaLoad,      Quantity::Moment, Quantity::MomentPerLength,
};

} // namespace

TEST(Units, DataConvertExactlyToSiAndBackWithinTheirLastDigit) {
    struct Case {
        const char* text;
        Quantity quantity;
        Units from;
        const char* converted;
    };
    const Case cases[] = {
        {"1000", Quantity::LineLoad, Units::Tecniche, "9,80665"},
        {"25", Quantity::SectionLength, Units::Tecniche, "250"},
        {"48,3", Quantity::SectionLength, Units::Tecniche, "483"},
        {"0,36", Quantity::SectionLength, Units::Tecniche, "3,6"},
        {"12,", Quantity::SectionLength, Units::Tecniche, "120"},
        {"500", Quantity::AreaLoad, Units::Tecniche, "4,903325"},
        {"0,5", Quantity::Force, Units::Tecniche, "0,004903325"},
        {"0", Quantity::Force, Units::Tecniche, "0"},
        {"12,5", Quantity::Length, Units::Tecniche, "12,5"}, // metres in both
        {"", Quantity::Force, Units::Tecniche, ""},
        {"9,80665", Quantity::LineLoad, Units::SI, "1000"},
        {"250", Quantity::SectionLength, Units::SI, "25"},
        {"5", Quantity::SectionLength, Units::SI, "0,5"},
        // A quotient keeps six digits more than typed, the last rounded half up.
        {"1", Quantity::Force, Units::SI, "101,9716"},
        {"10", Quantity::Moment, Units::SI, "1019,7162"},
        // At most the 20 characters of a box: the decimals go first.
        {"12345678901234567,89", Quantity::Force, Units::Tecniche, "121069751996791,9752"},
        {"99999999999999999999", Quantity::SectionLength, Units::Tecniche, ""},
    };
    for (const Case& c : cases) {
        const Units to = c.from == Units::SI ? Units::Tecniche : Units::SI;
        const QString out = ConvertDatum(c.text, c.quantity, c.from, to);
        EXPECT_EQ(out, c.converted) << c.text;
        EXPECT_LE(out.length(), 20) << c.text;
    }
}

TEST(Units, EveryDatumComesBackFromAConversionAndBack) {
    const char* const data[] = {"1",      "7",         "12,5", "0,03", "1000", "1234,567",
                                "999999", "0,0000001", "48,3", "3,6",  "2,75", "62,5"};
    for (Quantity quantity : kConverted) {
        for (const char* text : data) {
            // "tecniche" to SI is exact, so the way back gives the datum itself.
            const QString si = ConvertDatum(text, quantity, Units::Tecniche, Units::SI);
            EXPECT_EQ(ConvertDatum(si, quantity, Units::SI, Units::Tecniche), text) << text;
            EXPECT_NEAR(ModPonteluma::ToNumber(si),
                        ModPonteluma::ToNumber(text) * SiFactor(quantity),
                        1e-12 * ModPonteluma::ToNumber(si));
            // SI to "tecniche" and back: within half a unit of the last typed digit.
            const QString tecniche = ConvertDatum(text, quantity, Units::SI, Units::Tecniche);
            const QString back = ConvertDatum(tecniche, quantity, Units::Tecniche, Units::SI);
            const QString typed = text;
            const int decimals =
                typed.contains(',') ? int(typed.length() - typed.indexOf(',') - 1) : 0;
            EXPECT_NEAR(ModPonteluma::ToNumber(back), ModPonteluma::ToNumber(text),
                        0.5 * std::pow(10.0, -decimals))
                << text << " " << back.toStdString();
        }
    }
}

TEST(Units, ResultsRoundHalfUpToTheirSystemsDecimals) {
    struct Case {
        Quantity quantity;
        int tecnicheDecimals;
        double value;
        double tecniche;
        double si;
    };
    const Case cases[] = {
        // Forces and moments: whole kg, hundredths of kN; halves go up, negative ones too.
        {Quantity::Force, 0, 2.375, 2, 2.38},
        {Quantity::Force, 0, -2.375, -2, -2.37},
        {Quantity::Moment, 0, -2.5, -2, -2.5},
        {Quantity::MomentPerLength, 0, 1234.5, 1235, 1234.5},
        // Sections: the columns' own decimals in cm, whole numbers in mm.
        {Quantity::SectionLength, 1, 14.25, 14.3, 14},
        {Quantity::SectionLength, 1, -14.5, -14.5, -14},
        {Quantity::SectionModulus, 0, 5260.4, 5260, 5260},
        {Quantity::SectionArea, 1, 5.26, 5.3, 5},
    };
    for (const Case& c : cases) {
        EXPECT_DOUBLE_EQ(
            RoundResult(c.value, ResultDecimals(c.quantity, Units::Tecniche, c.tecnicheDecimals)),
            c.tecniche)
            << c.value;
        EXPECT_DOUBLE_EQ(
            RoundResult(c.value, ResultDecimals(c.quantity, Units::SI, c.tecnicheDecimals)), c.si)
            << c.value;
    }
    EXPECT_EQ(ResultText(9.8, 2), "9,80");
    EXPECT_EQ(ResultText(-1234.5, 2), "-1234,50");
    EXPECT_EQ(ResultText(-0.0, 2), "0,00");
    EXPECT_EQ(ResultText(15, 1), "15");
    EXPECT_EQ(ResultText(14.3, 1), "14,3");
}

TEST(Units, CaptionsAndHeadsNameTheSheetsUnitsInTheSameColumns) {
    EXPECT_EQ(UnitCaption("I=cm4", Quantity::SectionInertia, Units::SI), "I=mm4");
    EXPECT_EQ(UnitCaption("W=I/E cm3", Quantity::SectionModulus, Units::SI), "W=I/E mm3");
    EXPECT_EQ(UnitCaption("E'=cm", Quantity::SectionLength, Units::SI), "E'=mm");
    EXPECT_EQ(UnitCaption("kgm/m", Quantity::MomentPerLength, Units::SI), "kNm/m");
    EXPECT_EQ(UnitCaption("kgm", Quantity::Moment, Units::Tecniche), "kgm");
    const QString head = "  n      m       kg/m    kgm     kg     kg/m2    kgm/m   cm4  cm";
    const QString si = InUnits(head, Units::SI);
    EXPECT_EQ(si, "  n      m       kN/m    kNm     kN     kN/m2    kNm/m   mm4  mm");
    EXPECT_EQ(si.length(), head.length());
    for (Quantity quantity : kConverted) {
        EXPECT_EQ(UnitName(quantity, Units::SI).length(),
                  UnitName(quantity, Units::Tecniche).length());
    }
}

TEST(Units, MarkersNameTheSiSystemOnly) {
    Units units = Units::SI;
    EXPECT_TRUE(UnitsFromMarker("", &units));
    EXPECT_EQ(units, Units::Tecniche);
    EXPECT_TRUE(UnitsFromMarker(UnitsMarker(Units::SI), &units));
    EXPECT_EQ(units, Units::SI);
    EXPECT_TRUE(UnitsMarker(Units::Tecniche).isEmpty());
    EXPECT_FALSE(UnitsFromMarker("si", &units));
    EXPECT_FALSE(UnitsFromMarker("US", &units));
}
