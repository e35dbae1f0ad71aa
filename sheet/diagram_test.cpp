#include "sheet/diagram.h"

#include "beams/diagram.h"
#include "beams/params.h"
#include "continuous/diagram.h"
#include "continuous/params.h"
#include "tests/sheets.h"

#include <QLocale>
#include <QStringList>
#include <gtest/gtest.h>

#include <clocale>
#include <string>

namespace {

QString beamTable(int typology, const std::vector<const char*>& row) {
    const Sheet sheet = ComputedSheet(beamsParams(), typology, {row});
    const std::optional<BeamDiagram> d = SimpleBeamDiagram(sheet, typology, 1);
    return d ? DiagramTable(*d) : QString();
}

QString continuousTable(int typology, const std::vector<const char*>& row) {
    const Sheet sheet = ComputedSheet(continuousParams(), typology, {row});
    const std::optional<BeamDiagram> d = ContinuousBeamDiagram(sheet, typology, 1, {});
    return d ? DiagramTable(*d) : QString();
}

double xOf(const QString& line) {
    return line.section(';', 0, 0).replace(',', '.').toDouble();
}

struct TableCase {
    const char* load;
    QString table;
    int lines;                   // header included
    std::vector<QString> starts; // the first lines after the header
    std::vector<QString> within; // lines found anywhere
    std::vector<QString> ends;   // the last lines
};

} // namespace

TEST(DiagramTable, OneCaseOfEachLoad) {
    const TableCase cases[] = {
        {"point load at the free end of a cantilever",
         beamTable(1, {"2", "1000"}),
         1 + 51 + 2,
         {"0,000;0,0;0,0", "0,000;-1000,0;0,0", "0,040;-1000,0;-40,0"},
         {"1,000;-1000,0;-1000,0"},
         {"2,000;-1000,0;-2000,0", "2,000;0,0;-2000,0"}},
        {"point load in the span",
         beamTable(4, {"6", "1000", "2"}),
         1 + 52 + 3,
         {"0,000;0,0;0,0", "0,000;666,7;0,0"},
         {"2,000;666,7;1333,3", "2,000;-333,3;1333,3"},
         {"6,000;-333,3;0,0", "6,000;0,0;0,0"}},
        {"uniform load",
         beamTable(5, {"6", "800"}),
         1 + 51 + 2,
         {"0,000;0,0;0,0", "0,000;2400,0;0,0", "0,120;2304,0;282,2"},
         {"3,000;0,0;3600,0"},
         {"6,000;-2400,0;0,0", "6,000;0,0;0,0"}},
        {"uniform load over part of the span",
         beamTable(6, {"6", "1000", "2"}),
         1 + 53 + 2,
         {"0,000;0,0;0,0", "0,000;1666,7;0,0"},
         {"1,667;0,0;1388,9", "2,000;-333,3;1333,3"},
         {"6,000;-333,3;0,0", "6,000;0,0;0,0"}},
        {"triangular load",
         beamTable(7, {"6", "900"}),
         1 + 52 + 2,
         {"0,000;0,0;0,0", "0,000;900,0;0,0"},
         {"3,464;0,0;2078,5"},
         {"6,000;-1800,0;0,0", "6,000;0,0;0,0"}},
        {"symmetric triangular load between clamped ends",
         beamTable(20, {"6", "900"}),
         1 + 51 + 2,
         {"0,000;0,0;-1687,5", "0,000;1350,0;-1687,5"},
         {"3,000;0,0;1012,5"},
         {"6,000;-1350,0;-1687,5", "6,000;0,0;-1687,5"}},
        {"trapezoidal load",
         beamTable(9, {"6", "500", "1500"}),
         1 + 52 + 2,
         {"0,000;0,0;0,0", "0,000;2500,0;0,0"},
         {"3,245;0,0;4530,8"},
         {"6,000;-3500,0;0,0", "6,000;0,0;0,0"}},
        {"continuous beam, every span loaded",
         continuousTable(1, {"5", "1000"}),
         1 + 103 + 3,
         {"0,000;0,0;0,0", "0,000;1875,0;0,0"},
         {"1,875;0,0;1757,8", "5,000;-3125,0;-3125,0", "5,000;3125,0;-3125,0", "8,125;0,0;1757,8"},
         {"10,000;-1875,0;0,0", "10,000;0,0;0,0"}},
    };
    for (const TableCase& c : cases) {
        const QStringList lines = c.table.split('\n', Qt::SkipEmptyParts);
        ASSERT_FALSE(lines.isEmpty()) << c.load;
        EXPECT_TRUE(c.table.endsWith('\n')) << c.load;
        EXPECT_EQ(lines.front().toStdString(), "x (m);V (kg);M (kgm)") << c.load;
        EXPECT_EQ(lines.size(), c.lines) << c.load;
        for (size_t i = 0; i < c.starts.size(); ++i)
            EXPECT_EQ(lines.value(int(i) + 1).toStdString(), c.starts[i].toStdString()) << c.load;
        for (const QString& line : c.within)
            EXPECT_TRUE(lines.contains(line)) << c.load << ": " << line.toStdString();
        for (size_t i = 0; i < c.ends.size(); ++i)
            EXPECT_EQ(lines.value(lines.size() - int(c.ends.size() - i)).toStdString(),
                      c.ends[i].toStdString())
                << c.load;
        for (int i = 2; i < lines.size(); ++i)
            EXPECT_LE(xOf(lines[i - 1]), xOf(lines[i])) << c.load << " line " << i;
        EXPECT_FALSE(c.table.contains('.')) << c.load;
        EXPECT_FALSE(c.table.contains("-0,0;")) << c.load;
    }
}

TEST(DiagramTable, SameTextWhateverTheLocale) {
    const QString plain = beamTable(9, {"6", "500", "1500"});
    const std::string saved = std::setlocale(LC_ALL, nullptr);
    const QLocale savedQt;
    if (!std::setlocale(LC_ALL, "it_IT.UTF-8"))
        GTEST_SKIP() << "it_IT.UTF-8 is not installed";
    QLocale::setDefault(QLocale(QLocale::Italian, QLocale::Italy));
    const QString italian = beamTable(9, {"6", "500", "1500"});
    std::setlocale(LC_ALL, saved.c_str());
    QLocale::setDefault(savedQt);
    EXPECT_EQ(italian.toStdString(), plain.toStdString());
}

TEST(StaticsCheck, PercentOfTheStaticsValue) {
    StaticsCheck check;
    AddCheckItem(check, "Rb", "kg", 1030, 1000);
    AddCheckItem(check, "Ra", "kg", -36, -35.7);
    AddCheckItem(check, "mom.B", "kgm", 0, 1e-12); // both nil: no difference
    EXPECT_DOUBLE_EQ(check.items[0].percent, 3.0);
    EXPECT_NEAR(check.items[1].percent, -0.84, 0.01); // less uplift than statics
    EXPECT_EQ(check.items[2].percent, 0);
    EXPECT_DOUBLE_EQ(check.worstPercent, 3.0);
    EXPECT_EQ(StaticsSummary(check).toStdString(), "controllo di equilibrio: scarto 3,0 %");
}

// The table rounds V and M half up to one decimal: a negative half goes toward zero, and
// what rounds to zero prints as 0,0, never -0,0.
TEST(DiagramTable, NegativeHalvesRoundUp) {
    BeamDiagram d;
    d.length = 1;
    d.stations = {{0, -0.25, -12.75, -0.05, std::nullopt}, {1, -0.04, -0.04, 12.25, std::nullopt}};
    EXPECT_EQ(DiagramTable(d),
              "x (m);V (kg);M (kgm)\n0,000;-0,2;0,0\n0,000;-12,7;0,0\n1,000;0,0;12,3\n");
}
