#pragma once
// What the keystroke benchmarks share: an offscreen application, and one accepted
// keystroke at a time in a box ("30" becomes "305" and back).
#include <QApplication>
#include <QLineEdit>
#include <benchmark/benchmark.h>

inline void EnsureBenchApplication() {
    static int argc = 1;
    static char name[] = "ponteluma_bench";
    static char* argv[] = {name, nullptr};
    if (!QCoreApplication::instance()) {
        qputenv("QT_QPA_PLATFORM", "offscreen");
        new QApplication(argc, argv);
    }
}

inline void TypeAndErase(benchmark::State& state, QLineEdit* box) {
    bool longer = false;
    for (auto _ : state) {
        if (longer)
            box->backspace();
        else
            box->insert("5");
        longer = !longer;
    }
}
