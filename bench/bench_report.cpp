// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report with 100,000 lines: a conversion that appends its line through the main window
// (the report window exists and is closed, as while the user converts), and opening the window.

#include "ui/converter/convertersession.h"
#include "ui/converter/mainwindow.h"
#include "ui/report/reportdialog.h"
#include "ui/shared/balloon.h"
#include "windowbenchmark.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QPlainTextDocumentLayout>
#include <QTemporaryDir>
#include <QTextDocument>
#include <benchmark/benchmark.h>

using namespace quorvel;

namespace {

constexpr int ReportLines = 100000;

void WriteLines(const QString& path, const QStringList& lines) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        qFatal("cannot write %s", qPrintable(path));
    for (const QString& line : lines)
        file.write(line.toUtf8() + "\r\n");
}

struct Setup {
    QTemporaryDir dir;
    ErrorBalloon hint;
    QTextDocument report;
    std::unique_ptr<ConverterSession> converter;
    std::unique_ptr<MainWindow> form;
    std::unique_ptr<ReportDialog> window;

    Setup() {
        QDir(dir.path()).mkdir("Files");
        WriteLines(dir.filePath("Files/Groups.ung"), {"Length"});
        WriteLines(dir.filePath("Files/Length.uns"), {"metre", "inch"});
        WriteLines(dir.filePath("Files/Length.unf"), {"1", "0.0254"});
        report.setDocumentLayout(new QPlainTextDocumentLayout(&report));
        QStringList lines;
        for (int k = 0; k < ReportLines; ++k)
            lines << QString("%1 inch = %2 metre").arg(k).arg(k * 0.0254);
        report.setPlainText(lines.join('\n'));
        converter =
            std::make_unique<ConverterSession>(UnitsDatabase(dir.filePath("Files").toStdString()));
        form = std::make_unique<MainWindow>(*converter, &report, hint);
        window = std::make_unique<ReportDialog>(&report, hint, [](int) {});
        form->show();
    }
};

// Argument 1: the report window has been opened and closed once before.
void BM_AppendLineToReportOf100000(benchmark::State& state) {
    Setup setup;
    if (state.range(0)) {
        setup.window->Open();
        QApplication::processEvents();
        setup.window->hide();
    }
    for (auto _ : state)
        setup.form->ConvertUpperToLower();
    state.counters["lines"] = setup.report.blockCount();
}
BENCHMARK(BM_AppendLineToReportOf100000)
    ->Arg(0)
    ->Arg(1)
    ->Iterations(2000)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMicrosecond);

void BM_OpenReportOf100000(benchmark::State& state) {
    for (auto _ : state) {
        state.PauseTiming();
        Setup setup;
        state.ResumeTiming();
        setup.window->Open();
        QApplication::processEvents();
        state.PauseTiming();
        setup.window->hide();
        state.ResumeTiming();
    }
}
BENCHMARK(BM_OpenReportOf100000)
    ->Iterations(3)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true)
    ->Unit(benchmark::kMillisecond);

} // namespace

QUORVEL_WINDOW_BENCHMARK_MAIN()
