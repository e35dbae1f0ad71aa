#include "beams/formulas.h"

namespace {

// In the symbols of the grid: L luce, P or p (pa, pb) the load, a the distance; b = L − a,
// λ = a/L. Ta and Tb are the reactions at A and B; taglio B shows Tb with its sign
// reversed.
const char* const kFormulas[][8] = {
    {"mom.B = −P·L", "taglio B = −P"},
    {"mom.B = −p·L²/2", "taglio B = −p·L"},
    {"mom.B = −p·L²/6", "taglio B = −p·L/2"},
    {"b = L − a", "mom.c = P·a·b/L", "taglio A = P·b/L", "taglio B = −P·a/L"},
    {"mom.c = p·L²/8", "taglio A = p·L/2", "taglio B = −p·L/2"},
    {"Tb = p·a²/(2·L)", "taglio A = Ta = p·a − Tb", "mom.c = Ta²/(2·p)", "taglio B = −Tb"},
    {"mom.c = p·L²/(9·√3)", "taglio A = p·L/6", "taglio B = −p·L/3"},
    {"mom.c = p·L²/12", "taglio A = p·L/4", "taglio B = −p·L/4"},
    {"taglio A = Ta = (2·pa + pb)·L/6", "Tb = (2·pb + pa)·L/6", "k = (pb − pa)/L",
     "x = (pa/k)·(√(1 + 2·Ta·k/pa²) − 1), dove il taglio si annulla",
     "mom.c = Ta·x − pa·x²/2 − k·x³/6", "taglio B = −Tb"},
    {"λ = a/L", "Tb = (P/2)·λ·(3 − λ²)", "taglio A = Ta = P − Tb", "mom.B = −(P·a/2)·(1 − λ²)",
     "mom.c = Ta·a", "taglio B = −Tb"},
    {"mom.B = −p·L²/8", "mom.c = 9·p·L²/128", "taglio A = 3·p·L/8", "taglio B = −5·p·L/8"},
    {"λ = a/L", "Tb = (p·a/8)·λ·(6 − λ²)", "taglio A = Ta = p·a − Tb", "mom.B = −(p·a²/8)·(2 − λ²)",
     "mom.c = Ta²/(2·p)", "taglio B = −Tb"},
    {"mom.B = −p·L²/15", "mom.c = p·L²/(15·√5)", "taglio A = p·L/10", "taglio B = −4·p·L/10"},
    {"mom.B = −(5/64)·p·L²", "mom.c = (11·√11/768)·p·L²", "taglio A = (11/64)·p·L",
     "taglio B = −(21/64)·p·L"},
    {"ρ = pa/pb", "mom.B = −(pb·L²/120)·(7·ρ + 8)", "taglio A = Ta = (pb·L/40)·(11·ρ + 4)",
     "Tb = (pb·L/40)·(9·ρ + 16)", "k = (pb − pa)/L",
     "x = (pa/k)·(√(1 + 2·Ta·k/pa²) − 1), dove il taglio si annulla",
     "mom.c = Ta·x − pa·x²/2 − k·x³/6", "taglio B = −Tb"},
    {"b = L − a", "mom.A = −P·a·b²/L²", "mom.B = −P·a²·b/L²", "mom.c = 2·P·a²·b²/L³",
     "taglio A = (P·b²/L³)·(L + 2·a)", "taglio B = −(P·a²/L³)·(L + 2·b)"},
    {"mom.A = mom.B = −p·L²/12", "mom.c = p·L²/24", "taglio A = p·L/2", "taglio B = −p·L/2"},
    {"λ = a/L", "mom.A = Ma = −(p·a²/12)·(6 − 8·λ + 3·λ²)", "mom.B = −(p·a²/12)·λ·(4 − 3·λ)",
     "taglio A = Ta = (p·a/2)·(2 − 2·λ² + λ³)", "Tb = (p·a/2)·λ²·(2 − λ)", "mom.c = Ta²/(2·p) + Ma",
     "taglio B = −Tb"},
    {"mom.A = −p·L²/30", "mom.B = −p·L²/20", "mom.c = (p·L²/60)·(6·√0,3 − 2)",
     "taglio A = (3/20)·p·L", "taglio B = −(7/20)·p·L"},
    {"mom.A = mom.B = −(5/96)·p·L²", "mom.c = p·L²/32", "taglio A = p·L/4", "taglio B = −p·L/4"},
};
constexpr int kTypologies = int(sizeof(kFormulas) / sizeof(kFormulas[0]));

QStringList formulas(int typology) {
    const int t = qBound(1, typology, kTypologies);
    QStringList lines;
    for (const char* line : kFormulas[t - 1]) {
        if (!line)
            break;
        lines << QString::fromUtf8(line);
    }
    // What a typology does not compute is zero: the free end of a cantilever, the
    // simple supports.
    QStringList zero;
    for (const char* name : {"mom.A", "mom.B", "taglio A"}) {
        const QString n = QString::fromUtf8(name);
        if (!lines.join('\n').contains(n + " ") && !lines.join('\n').contains(n + " ="))
            zero << n;
    }
    if (!zero.isEmpty())
        lines << zero.join(" = ") + " = 0";
    return lines;
}

} // namespace

void DescribeBeamsReport(ReportLayout& report) {
    report.method = [](int) {
        return QStringLiteral("formule chiuse della teoria delle travi inflesse (trave a una "
                              "campata di sezione costante, comportamento elastico lineare, "
                              "carichi verticali); L luce, a distanza da A, b = L − a.");
    };
    report.signs = QStringLiteral("i momenti che tendono le fibre inferiori (in campata) sono "
                                  "positivi, quelli agli incastri negativi; taglio A è la "
                                  "reazione in A, positiva verso l'alto, taglio B la reazione "
                                  "in B con il segno cambiato.");
    report.formulas = formulas;
}
