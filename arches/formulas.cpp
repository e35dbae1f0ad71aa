#include "arches/formulas.h"

namespace {

// l luce, f freccia, a distanza del carico da A, h sua altezza; α = a/l, β = (l − a)/l.
// An asterisk marks a formula valid only for an arch of parabolic shape. Results not
// named are zero.
const char* const kFormulas[][8] = {
    {"ya = P·(l − a)/l", "yb = P·a/l", "xa = P·a/(2·f), per a ≤ l/2"},
    {"ya = F·h/l", "xb = F·h/(2·f)", "xa = F − xb"},
    {"ya = (3/8)·p·l", "yb = p·l/8", "xa = p·l²/(16·f)"},
    {"ya = p·l/2", "xa = p·l²/(8·f)"},
    {"ya = q·f²/(2·l)", "xa = (3/4)·q·f", "xb = q·f/4"},
    {"ya = P·β", "yb = P·α", "xa * = (5/8)·(P·l/f)·α·β·(1 + α·β)",
     "Mc = P·a/2 − xa·f, per a ≤ l/2"},
    {"ya = F·h/l", "xa * = (F/2)·β·(2 − 3·α + 2·α² + 12·α³ − 8·α⁴)", "xb = F − xa",
     "Mc = F·h/2 − xb·f"},
    {"ya = (3/8)·p·l", "yb = p·l/8", "xa * = p·l²/(16·f)", "Mc * = p·l²/16"},
    {"ya = p·l/2", "xa * = p·l²/(8·f)", "Mc * = 0"},
    {"ya = q·f²/(2·l)", "xa * = (5/7)·q·f", "xb * = (2/7)·q·f", "Mc * = −q·f²/28"},
    {"xa * = (15/4)·(P·a/f)·α·β²", "Ma * = −(P·a/2)·β²·(5·β − 3)",
     "Mb * = −(P·(l − a)/2)·α²·(5·α − 3)", "ya * = P·β − (Ma − Mb)/l", "yb * = P − ya",
     "Mc * = Mb + (yb/2)·l − xa·f, per a ≤ l/2"},
    {"xa * = F·β·(1 + α − 14·α² + 36·α³ − 24·α⁴)", "xb * = F − xa",
     "Ma * = −2·F·f·α·β²·(3 − 9·β + 8·β²)", "Mb * = 2·F·f·α²·β·(3 − 9·α + 8·α²)",
     "ya * = (F·h + Ma − Mb)/l", "Mc * = ya·l/2 − xb·f + Mb"},
    {"ya = (13/32)·p·l", "yb = (3/32)·p·l", "xa * = p·l²/(16·f)", "Ma * = −p·l²/64", "Mb * = −Ma"},
    {"ya * = p·l/2", "xa * = p·l²/(8·f)", "Ma * = Mb * = Mc * = 0"},
    {"ya = q·f²/(4·l)", "xa * = (11/14)·q·f", "xb * = (3/14)·q·f", "Ma * = −(51/280)·q·f²",
     "Mb * = (19/280)·q·f²", "Mc * = −(3/140)·q·f²"},
};
constexpr int kTypologies = int(sizeof(kFormulas) / sizeof(kFormulas[0]));

// The load's symbol: a vertical force P, a horizontal one F, a vertical load p, a
// horizontal one q.
const char* const kLoads[] = {"P", "F", "p", "p", "q"};

QStringList formulas(int typology) {
    const int t = qBound(1, typology, kTypologies);
    QStringList lines;
    if (t == 6 || t == 7 || t == 11 || t == 12)
        lines << QStringLiteral("α = a/l, β = (l − a)/l");
    for (const char* line : kFormulas[t - 1]) {
        if (!line)
            break;
        lines << QString::fromUtf8(line);
    }
    lines << QString("carico = ") + kLoads[(t - 1) % 5] + "; i risultati non scritti sono nulli";
    return lines;
}

} // namespace

void DescribeArchesReport(ReportLayout& report) {
    report.method = [](int typology) {
        const QString kind = typology <= 5    ? QStringLiteral("a tre cerniere (isostatico)")
                             : typology <= 10 ? QStringLiteral("a due cerniere")
                                              : QStringLiteral("incastrato agli estremi");
        return "formule chiuse dell'arco " + kind +
               "; le formule segnate con l'asterisco valgono solo per archi di forma "
               "parabolica. l luce, f freccia, a e h posizione del carico da A.";
    };
    report.signs = QStringLiteral("le reazioni verticali ya, yb sono positive verso l'alto, le "
                                  "spinte xa, xb verso l'interno dell'arco; i momenti sono "
                                  "positivi quando tendono l'intradosso.");
    report.formulas = formulas;
}
