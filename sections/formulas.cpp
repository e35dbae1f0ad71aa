#include "sections/formulas.h"

namespace {

// Formulas of each typology in the symbols of its column heads; W = I/E and W' = I/E'
// are added to every typology.
const char* const kFormulas[][5] = {
    {"I = B·H³/12", "E = H/2", "A = B·H"},
    {"I = B·(H³ − h³)/12", "E = H/2", "A = B·(H − h)"},
    {"I = B⁴/12", "E = B/2", "A = B²"},
    {"I = B⁴/12", "E = B/√2", "A = B²"},
    {"I = (B⁴ − b⁴)/12", "E = B/2", "A = B² − b²"},
    {"I = (B⁴ − b⁴)/12", "E = B/√2", "A = B² − b²"},
    {"I = B·H³/36", "E = (2/3)·H", "E' = (1/3)·H", "A = B·H/2"},
    {"I = (5·√3/16)·R⁴", "E = R", "A = 2,598·R²"},
    {"I = (5·√3/16)·R⁴", "E = (√3/2)·R", "A = 2,598·R²"},
    {"b = 2·(b/2), base maggiore B + b", "I = H³·(6·B² + 6·B·b + b²)/(36·(2·B + b))",
     "E = (1/3)·H·(3·B + 2·b)/(2·B + b), dalla base minore", "A = (B + b/2)·H"},
    {"I = π·(D/2)⁴/4", "E = D/2", "A = π·D²/4"},
    {"I = π·((D/2)⁴ − (d/2)⁴)/4", "E = D/2", "A = π·((D/2)² − (d/2)²)"},
    {"I = (π/8 − 8/(9·π))·R⁴", "E = 0,5756·R", "E' = 0,4244·R", "A = π·R²/2"},
    {"I = (π/64)·B·H³", "E = H/2", "A = (π/4)·B·H"},
    {"I = (B·H³ − b·h³)/12", "E = H/2", "A = B·H − b·h"},
    {"I = (B·H³ + b·h³)/12", "E = H/2", "A = B·H + b·h"},
    {"e = (B·h² + b·(H − h)·(H + h))/(2·(B·h + b·(H − h))), dal lembo dell'ala", "E' = e",
     "E = H − e", "I = (B·(e³ − (e − h)³) + b·(E³ + (e − h)³))/3", "A = B·h + b·(H − h)"},
};
constexpr int kTypologies = int(sizeof(kFormulas) / sizeof(kFormulas[0]));

QStringList formulas(int typology) {
    QStringList lines;
    bool nearest = false;
    for (const char* line : kFormulas[qBound(1, typology, kTypologies) - 1]) {
        if (!line)
            break;
        const QString text = QString::fromUtf8(line);
        nearest = nearest || text.startsWith("E' =");
        lines << text;
    }
    lines << QStringLiteral("W = I/E");
    if (nearest)
        lines << QStringLiteral("W' = I/E'");
    return lines;
}

} // namespace

void DescribeSectionsReport(ReportLayout& report) {
    report.method = [](int) {
        return QStringLiteral("formule chiuse della geometria delle aree: momento d'inerzia "
                              "rispetto all'asse baricentrico orizzontale della sezione "
                              "disegnata, con π = 3,14159265359.");
    };
    report.signs = QStringLiteral("tutte le grandezze sono positive; E è la distanza "
                                  "dell'asse neutro dalla fibra più lontana, E' da quella "
                                  "più vicina.");
    report.formulas = formulas;
}
