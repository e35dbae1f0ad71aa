#include "continuous/formulas.h"

#include "continuous/calc.h"

#include <cmath>

namespace {

const char* const kNames[] = {"A-B", "mom.B", "B-C", "mom.C", "C-D", "mom.D",
                              "D-E", "Ra",    "Rb",  "Rc",    "Rd",  "Re"};

QString decimal(double value) {
    return QString::number(value, 'g', 6).replace('.', ',');
}

QStringList formulas(int typology) {
    using namespace Continuous;
    // With q = l = 1 every result is its own coefficient: 1/k for a moment, r for a
    // reaction.
    const std::array<double, 12> unit = TabulatedResults(typology, 1, 1);
    const int spans = ContinuousSpans(typology);
    QStringList lines;
    for (int column = MomAB; column <= Re; ++column) {
        const QString name = QString::fromUtf8(kNames[column - 1]);
        if (!ContinuousHasResult(typology, column))
            continue;
        const double value = unit[size_t(column - 1)];
        if (!GivesResult(typology, column)) {
            if (column <= MomDE && column % 2 == 1) {
                // A span mirrored about the middle of the beam.
                const int span = (column - 1) / 2;
                const int mirror = spans - 1 - span;
                lines << name + " = " + kNames[2 * mirror] + " (per simmetria)";
            } else {
                lines << name + " = 0";
            }
        } else if (column >= Ra) {
            lines << name + " = " + decimal(value) + "·q·l";
        } else if (value < 0) {
            lines << name + " = −q·l²/" + decimal(-1 / value);
        } else {
            lines << name + " = q·l²/" + decimal(1 / value);
        }
    }
    return lines;
}

} // namespace

void DescribeContinuousReport(ReportLayout& report) {
    report.method = [](int) {
        return QStringLiteral("coefficienti tabulati per travi continue di campate uguali "
                              "(l luce di ogni campata, q carico ripartito sulle campate "
                              "caricate): momenti q·l²/k, reazioni r·q·l, con k e r della "
                              "tabella del programma, usati come sono scritti.");
    };
    report.signs = QStringLiteral("i momenti in campata (fibre inferiori tese) sono positivi, "
                                  "quelli sugli appoggi negativi; le reazioni sono positive "
                                  "verso l'alto, negative quando l'appoggio trattiene la "
                                  "trave.");
    report.formulas = formulas;
}
