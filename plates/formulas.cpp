#include "plates/formulas.h"

#include "plates/calc.h"

namespace {

// The side ratios of the table; the last row stands for every ratio above 2.
constexpr double kRatios[] = {1, 1.05, 1.1, 1.15, 1.2, 1.25, 1.3, 1.4, 1.5, 1.75, 2, 3};

QString decimal(double value, char format = 'g', int precision = 6) {
    return QString::number(value, format, precision).replace('.', ',');
}

QStringList formulas(int typology) {
    switch (typology) {
    case 1:
        return {QStringLiteral("ε = ly/lx"), QStringLiteral("mom.Mx = cMx·p·lx²"),
                QStringLiteral("mom.My = cMy·p·lx²"), QStringLiteral("mom.mx = mom.my = 0")};
    case 2:
        return {QStringLiteral("ε = ly/lx"), QStringLiteral("mom.Mx = cMx·p·lx²"),
                QStringLiteral("mom.My = cMy·p·lx²"), QStringLiteral("mom.mx = −cmx·p·lx²"),
                QStringLiteral("mom.my = −cmy·p·lx²")};
    case 3:
        return {QStringLiteral("mom.Mx = mom.My = 3·p·R²/16"),
                QStringLiteral("mom.mx = mom.my = 0")};
    default:
        return {QStringLiteral("mom.Mx = mom.My = p·R²/16"),
                QStringLiteral("mom.mx = mom.my = −p·R²/8")};
    }
}

std::vector<DocBlock> coefficients(int typology) {
    if (typology != 1 && typology != 2)
        return {};
    const bool clamped = typology == 2;
    DocBlock intro;
    intro.kind = DocBlock::Paragraph;
    intro.text = QStringLiteral("Coefficienti c della tabella del programma, per il rapporto "
                                "ε = ly/lx (coefficiente di Poisson ν = 0). Senza "
                                "interpolazione: tra due righe vicine ogni coefficiente è "
                                "preso dalla riga che dà il valore maggiore; oltre ε = 2 la "
                                "piastra è una striscia di luce lx.");
    DocBlock table;
    table.kind = DocBlock::Table;
    table.table.columns = {{{"ε"}, "ly/lx", true}, {{"cMx"}, "", true}, {{"cMy"}, "", true}};
    if (clamped)
        table.table.columns.insert(table.table.columns.end(),
                                   {{{"cmx"}, "", true}, {{"cmy"}, "", true}});
    for (double ratio : kRatios) {
        const PlateCoefficients c = PlateCoefficientsFor(ratio, clamped);
        DocTableRow row;
        row.cells << (ratio > 2 ? QStringLiteral("> 2") : decimal(ratio, 'f', 2))
                  << decimal(c.mx, 'f', 4) << decimal(c.my, 'f', 4);
        if (clamped)
            row.cells << decimal(c.ex, 'f', 4) << decimal(c.ey, 'f', 4);
        table.table.rows.push_back(row);
    }
    return {intro, table};
}

} // namespace

void DescribePlatesReport(ReportLayout& report) {
    report.method = [](int typology) {
        if (typology <= 2)
            return QStringLiteral("coefficienti tabulati dei momenti di piastre rettangolari "
                                  "sottili con carico uniforme, in funzione del rapporto dei "
                                  "lati ε = ly/lx, per coefficiente di Poisson ν = 0 (tabella "
                                  "sotto le formule).");
        return QStringLiteral("formule chiuse della piastra circolare sottile con carico "
                              "uniforme, per coefficiente di Poisson ν = 0.");
    };
    report.signs = QStringLiteral("i momenti in mezzeria (fibre inferiori tese) sono positivi, "
                                  "i momenti d'incastro sui bordi negativi.");
    report.formulas = formulas;
    report.tables = coefficients;
}
