// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// Finding units and typed conversions over the whole delivered database, with the groups'
// dimensions as the program reads them. Every search and every conversion is timed on its own;
// the median is reported as the counter median_us.
//   - what the search field does per keystroke: try the text as a sentence, then find units and
//     close spellings;
//   - a typed conversion in the core, from text to conversion line, with plain numbers, with
//     fractions and sums, and with expressions of units; a misspelt unit's refusal with its
//     suggestion;
//   - a key typed in the main window's search field, offscreen, to its live answer;
//   - a typed conversion in the main window, offscreen: Enter in the field to the status line;
//   - reading the index, which the field does after it takes the focus.

#include "core/delivereddimensions.h"
#include "core/sentence.h"
#include "core/unitsearch.h"
#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/shared/balloon.h"
#include "windowbenchmark.h"

#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextDocumentLayout>
#include <QTextDocument>
#include <algorithm>
#include <benchmark/benchmark.h>
#include <chrono>
#include <functional>

using namespace quorvel;

namespace {

const UnitsDatabase Delivered(QUORVEL_DATA_DIR "/Files");

UnitIndex DeliveredIndex() {
    return UnitIndex::Read(Delivered, DeliveredAliases(), DeliveredDimensions());
}

// What users type, a keystroke at a time: every prefix of these texts.
std::vector<std::string> Keystrokes() {
    std::vector<std::string> typed;
    for (const std::string word :
         {"yard", "meter", "psi", "°F", "kWh", "m²", "kilogram", "pound-force per square inch",
          "Fahrenheit", "12 in cm", "20 kWh/100km to Wh/mi"}) {
        for (size_t k = 1; k <= word.size(); ++k) {
            if ((static_cast<unsigned char>(word[k - 1]) & 0xC0) != 0xC0) // whole characters
                typed.push_back(word.substr(0, k));
        }
    }
    return typed;
}

// Runs `step` once per iteration and reports the median of the times it took.
void TimeEach(benchmark::State& state, const std::function<void(size_t)>& step) {
    std::vector<double> micros;
    micros.reserve(state.max_iterations);
    size_t k = 0;
    for (auto _ : state) {
        const auto start = std::chrono::steady_clock::now();
        step(k++);
        micros.push_back(
            std::chrono::duration<double, std::micro>(std::chrono::steady_clock::now() - start)
                .count());
    }
    std::nth_element(micros.begin(), micros.begin() + micros.size() / 2, micros.end());
    state.counters["median_us"] = micros[micros.size() / 2];
}

void BM_SearchPerKeystroke(benchmark::State& state) {
    const UnitIndex index = DeliveredIndex();
    const std::vector<std::string> typed = Keystrokes();
    TimeEach(state, [&](size_t k) {
        const std::string& text = typed[k % typed.size()];
        try {
            benchmark::DoNotOptimize(ReadSentence(index, text));
        } catch (const ESentenceError&) {
            benchmark::DoNotOptimize(index.Find(text));
            benchmark::DoNotOptimize(index.Close(text, 100));
        }
    });
}
BENCHMARK(BM_SearchPerKeystroke)->Iterations(20000)->Unit(benchmark::kMicrosecond);

void BM_TypedConversion(benchmark::State& state) {
    const UnitIndex index = DeliveredIndex();
    const std::string sentences[] = {"12 in to cm", "100 °F → °C", "5 ft 10 in to cm"};
    TimeEach(state, [&](size_t k) {
        benchmark::DoNotOptimize(ConvertSentence(ReadSentence(index, sentences[k % 3]), 1));
    });
}
BENCHMARK(BM_TypedConversion)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// Numbers as people write them: fractions, a vulgar fraction, sums with "+" and glued.
void BM_TypedConversionWithFractionAndSum(benchmark::State& state) {
    const UnitIndex index = DeliveredIndex();
    const std::string sentences[] = {"5 ft + 3 1/2 in to cm", "1½ hours to min", "1h30m to min"};
    TimeEach(state, [&](size_t k) {
        benchmark::DoNotOptimize(ConvertSentence(ReadSentence(index, sentences[k % 3]), 1));
    });
}
BENCHMARK(BM_TypedConversionWithFractionAndSum)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// Units that no group holds, read as expressions and converted by their dimensions.
void BM_TypedExpression(benchmark::State& state) {
    const UnitIndex index = DeliveredIndex();
    TimeEach(state, [&](size_t) {
        benchmark::DoNotOptimize(ConvertSentence(ReadSentence(index, "20 kWh/100km to Wh/mi"), 1));
    });
}
BENCHMARK(BM_TypedExpression)->Iterations(20000)->Unit(benchmark::kMicrosecond);

// A misspelt unit: the refusal names the closest unit, found over every name and symbol.
void BM_MisspeltUnitSuggestion(benchmark::State& state) {
    const UnitIndex index = DeliveredIndex();
    TimeEach(state, [&](size_t) {
        try {
            ReadSentence(index, "12 farenheit to C");
        } catch (const ESentenceError& refusal) {
            benchmark::DoNotOptimize(refusal.what());
        }
    });
}
BENCHMARK(BM_MisspeltUnitSuggestion)->Iterations(5000)->Unit(benchmark::kMicrosecond);

// A key typed in the search field, one character after another of a typed expression, to
// the field's live answer or its list of units.
void BM_LiveAnswerPerKeyInWindow(benchmark::State& state) {
    ErrorBalloon hint;
    QTextDocument report;
    report.setDocumentLayout(new QPlainTextDocumentLayout(&report));
    ConverterSession converter(Delivered);
    MainWindow form(converter, &report, hint);
    form.show();
    QCoreApplication::processEvents();
    auto* field = form.findChild<QLineEdit*>("edSearch");
    field->setFocus();
    const QString typed = "20 kWh/100km to Wh/mi";
    TimeEach(state, [&](size_t k) {
        const int at = static_cast<int>(k % static_cast<size_t>(typed.size()));
        if (at == 0)
            field->clear();
        QKeyEvent press(QEvent::KeyPress, 0, Qt::NoModifier, typed.mid(at, 1));
        QCoreApplication::sendEvent(field, &press);
        benchmark::DoNotOptimize(field->text().size());
    });
}
BENCHMARK(BM_LiveAnswerPerKeyInWindow)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_TypedConversionInWindow(benchmark::State& state) {
    ErrorBalloon hint;
    QTextDocument report;
    report.setDocumentLayout(new QPlainTextDocumentLayout(&report));
    ConverterSession converter(Delivered);
    MainWindow form(converter, &report, hint);
    form.show();
    QCoreApplication::processEvents();
    auto* field = form.findChild<QLineEdit*>("edSearch");
    auto* line = form.findChild<QLabel*>("stLine");
    field->setFocus();
    field->setText("12 in cm");
    TimeEach(state, [&](size_t) {
        QKeyEvent press(QEvent::KeyPress, Qt::Key_Return, Qt::NoModifier, "\r");
        QCoreApplication::sendEvent(field, &press);
        benchmark::DoNotOptimize(line->text().size());
    });
    report.clear(); // the report grows by a line per conversion
}
BENCHMARK(BM_TypedConversionInWindow)->Iterations(2000)->Unit(benchmark::kMicrosecond);

void BM_ReadIndex(benchmark::State& state) {
    TimeEach(state, [](size_t) { benchmark::DoNotOptimize(DeliveredIndex()); });
}
BENCHMARK(BM_ReadIndex)->Iterations(200)->Unit(benchmark::kMillisecond);

} // namespace

QUORVEL_WINDOW_BENCHMARK_MAIN()
