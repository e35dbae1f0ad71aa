// The ten continuous beams: two to four equal spans l on supports A to E, the
// uniform load q on the spans the typology loads.
#include "assets/figures/sketch.h"

#include <vector>

namespace figures {

namespace {

struct Pattern {
    int spans;
    const char* loaded; // one character a span: '1' loaded, '0' not
};

Pattern patternOf(int n) {
    static const Pattern table[] = {
        {2, "11"},  {2, "10"},   {3, "111"},  {3, "101"},  {3, "010"},
        {3, "110"}, {4, "1111"}, {4, "0110"}, {4, "1101"}, {4, "1010"},
    };
    return table[(n >= 1 && n <= 10 ? n : 1) - 1];
}

} // namespace

void drawContinuous(Sketch& s, int n) {
    const Pattern pattern = patternOf(n);
    const double beamY = 62, x0 = 16, x1 = 154, dimY = 114;
    const double span = (x1 - x0) / pattern.spans;
    static const char* names[] = {"A", "B", "C", "D", "E"};

    s.line(QPointF(x0, beamY), QPointF(x1, beamY), 2.8);
    for (int k = 0; k < pattern.spans; ++k) {
        if (pattern.loaded[k] != '1')
            continue;
        const double a = x0 + k * span, b = a + span;
        s.distributed(a + 1, b - 1, beamY, 18, 18);
        s.label(QPointF((a + b) / 2, beamY - 23), "q", Qt::AlignHCenter | Qt::AlignBottom,
                ink::load);
    }
    for (int k = 0; k <= pattern.spans; ++k) {
        const double x = x0 + k * span;
        if (k == 0)
            s.hinge(QPointF(x, beamY + 1.4));
        else
            s.roller(QPointF(x, beamY + 1.4));
        s.point(QPointF(x, 90), names[k]);
        s.extension(QPointF(x, 95), QPointF(x, dimY + 3));
    }
    for (int k = 0; k < pattern.spans; ++k)
        s.dimH(x0 + k * span, x0 + (k + 1) * span, dimY, "l", true);
}

namespace {
const Registration registered{{"continue", 10, drawContinuous}};
} // namespace

} // namespace figures
