// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The calculator window, offscreen: from a key press delivered to the window to its display
// holding the new text. Every press is timed on its own; the median over all of them is reported
// as the counter median_us (the mean that Google Benchmark shows counts the rare slow press in).
// A second run also paints the display before the clock stops.

#include "ui/calculator/calculatorwindow.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/converter/numberinputdialog.h"
#include "ui/shared/balloon.h"
#include "widgets/numberdisplay.h"
#include "windowbenchmark.h"

#include <QKeyEvent>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <vector>

using namespace quorvel;

namespace {

struct Key {
    int code;
    const char* text;
};

// A round of typing that keeps the numbers short: 12 + 34 = x 5 = then clear.
const Key Round[] = {{Qt::Key_1, "1"},        {Qt::Key_2, "2"}, {Qt::Key_Plus, "+"},
                     {Qt::Key_3, "3"},        {Qt::Key_4, "4"}, {Qt::Key_Equal, "="},
                     {Qt::Key_Asterisk, "*"}, {Qt::Key_5, "5"}, {Qt::Key_Equal, "="},
                     {Qt::Key_Escape, "\x1b"}};

// Times each press of the round, repeated, from the key's arrival (the shortcut check that
// precedes every key press, then the press) to the display holding its text; with `paint`, until
// the display has also been painted.
void TimePresses(benchmark::State& state, bool paint) {
    auto& application = *qobject_cast<Application*>(QCoreApplication::instance());
    ErrorBalloon hint;
    QTextDocument report;
    report.setDocumentLayout(new QPlainTextDocumentLayout(&report));
    ConverterSession converter(UnitsDatabase("Files"));
    MainWindow form(converter, &report, hint);
    NumberInputDialog input(converter, HelpOpener());
    CalculatorWindow calc(converter, input, hint, HelpOpener(), application);
    calc.Open();
    QCoreApplication::processEvents();
    QWidget* target = calc.focusWidget() ? calc.focusWidget() : &calc;
    auto* display = calc.findChild<NumberDisplay*>("Ind");

    std::vector<double> micros;
    micros.reserve(state.max_iterations);
    size_t k = 0;
    for (auto _ : state) {
        const Key& key = Round[k++ % std::size(Round)];
        QKeyEvent shortcut(QEvent::ShortcutOverride, key.code, Qt::NoModifier, key.text);
        QKeyEvent press(QEvent::KeyPress, key.code, Qt::NoModifier, key.text);
        QKeyEvent release(QEvent::KeyRelease, key.code, Qt::NoModifier, key.text);
        const auto start = std::chrono::steady_clock::now();
        QCoreApplication::sendEvent(target, &shortcut);
        QCoreApplication::sendEvent(target, &press);
        benchmark::DoNotOptimize(display->DisplayedText().size());
        if (paint)
            display->repaint();
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
        QCoreApplication::sendEvent(target, &release);
        if (k % 64 == 0) {
            state.PauseTiming();
            QCoreApplication::processEvents(); // the repaints the presses asked for
            state.ResumeTiming();
        }
    }
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}

void BM_KeyPressToDisplayText(benchmark::State& state) {
    TimePresses(state, false);
}
BENCHMARK(BM_KeyPressToDisplayText)->Iterations(10000)->Unit(benchmark::kMicrosecond);

void BM_KeyPressToDisplayPainted(benchmark::State& state) {
    TimePresses(state, true);
}
BENCHMARK(BM_KeyPressToDisplayPainted)->Iterations(10000)->Unit(benchmark::kMicrosecond);

} // namespace

QUORVEL_WINDOW_BENCHMARK_MAIN()
