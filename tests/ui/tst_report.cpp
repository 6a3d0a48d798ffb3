// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

// The report window through the program's own wiring: lines collected across openings, Undo,
// Clear, Save, and printing: the layout read back from a PDF, a job on the default printer (the
// test command's own CUPS scheduler with a PDF printer), and the errors without a default
// printer and with a printer that refuses jobs or is stopped.

#include "programfixture.h"
#include "programmain.h"
#include "ui/app/application.h"
#include "ui/report/reportdialog.h"

#include <QFileDialog>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTextDocument>
#include <QTimer>
#include <QToolButton>

using namespace quorvel;

namespace {

// The text of a PDF file's pages, as pdftotext lays it out.
QStringList PdfPages(const QString& pdf) {
    QProcess process;
    process.start("pdftotext", {"-layout", pdf, "-"});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return {"<pdftotext failed>"};
    QStringList pages = QString::fromUtf8(process.readAllStandardOutput()).split('\f');
    pages.removeLast(); // after the last page's form feed
    return pages;
}

QStringList PrintedLines(const QString& page) {
    QStringList lines = page.split('\n');
    while (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast();
    return lines;
}

// The jobs the scheduler knows on a printer, done or not.
int JobCount(const QString& printer) {
    QProcess process;
    process.start("lpstat", {"-W", "all", "-o", printer});
    if (!process.waitForFinished(30000) || process.exitCode() != 0)
        return -1;
    return int(QString::fromUtf8(process.readAllStandardOutput()).count('\n'));
}

int PdfPageCount(const QString& pdf) {
    QProcess process;
    process.start("pdfinfo", {pdf});
    process.waitForFinished(30000);
    for (const QString& line : QString::fromUtf8(process.readAllStandardOutput()).split('\n'))
        if (line.startsWith("Pages:"))
            return line.mid(6).trimmed().toInt();
    return -1;
}

} // namespace

class TestReport : public QObject {
    Q_OBJECT

private slots:
    void init() { fixture_.Start(); }
    void cleanup() {
        test::TestApplication().SetErrorHandler({});
        fixture_.Stop();
    }

    void collectsAcrossOpenings();
    void clear_data();
    void clear();
    void save_data();
    void save();
    void printExpandsTabs_data();
    void printExpandsTabs();
    void printWrapsLongLines();
    void printBreaksPages();
    void printsOnDefaultPrinter();
    void printFailureReachesErrorHandler_data();
    void printFailureReachesErrorHandler();

private:
    ReportDialog& Report() { return fixture_.ProgramUnderTest().ReportWindow(); }
    QPlainTextEdit* Text() { return fixture_.Find<QPlainTextEdit>(&Report(), "reReport"); }
    void Press(const char* name) {
        QTest::mouseClick(fixture_.Find<QPushButton>(&Report(), name), Qt::LeftButton);
    }
    void Convert() { fixture_.Main().ConvertUpperToLower(); }
    // Prints lines through the report's layout into a PDF file and reads its pages back.
    QStringList PrintToPdf(const QStringList& lines, int* pages = nullptr) {
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(fixture_.Path("layout.pdf"));
        printer.setPageSize(QPageSize(QPageSize::A4));
        const int printed = PrintLines(printer, lines);
        if (pages)
            *pages = printed;
        return PdfPages(fixture_.Path("layout.pdf"));
    }
    void FillReport(const QStringList& lines) { Text()->setPlainText(lines.join('\n')); }
    // Saves the report with the Save button as a user at `home` would, taking the file the
    // dialog offers; returns the folder where the dialog opened.
    QString SaveThroughDialog(const QString& home) {
        const QByteArray savedHome = qgetenv("HOME");
        const QByteArray savedConfig = qgetenv("XDG_CONFIG_HOME");
        qputenv("HOME", QFile::encodeName(home));
        qunsetenv("XDG_CONFIG_HOME"); // the documents folder is then home's Documents
        auto restore = qScopeGuard([&] {
            qputenv("HOME", savedHome);
            if (!savedConfig.isNull())
                qputenv("XDG_CONFIG_HOME", savedConfig);
        });
        QString opened;
        QTimer accept;
        connect(&accept, &QTimer::timeout, [&] {
            if (auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget())) {
                accept.stop();
                opened = dialog->directory().absolutePath();
                static_cast<QDialog*>(dialog)->accept(); // Save, with the name offered
            }
        });
        accept.start(20);
        Press("bbSave");
        return opened;
    }

    // Records what reaches the handler of unhandled errors, where the calculator would show it.
    void RecordErrors() {
        reported_.clear();
        test::TestApplication().SetErrorHandler(
            [this](const std::exception& error) { reported_ = error.what(); });
    }

    test::ProgramFixture fixture_;
    QString reported_;
};

void TestReport::collectsAcrossOpenings() {
    fixture_.Picker("cb2")->setCurrentIndex(1); // metre to inch
    Convert();
    Convert();
    QTest::mouseClick(fixture_.Find<QToolButton>(&fixture_.Main(), "obReport"), Qt::LeftButton);
    QVERIFY(Report().isVisible());
    QCOMPARE(Text()->toPlainText(), "0 metre = 0 inch\n0 metre = 0 inch");
    QTest::keyClicks(Text(), " ok"); // typed at the end
    Press("bbClose");
    QVERIFY(!Report().isVisible());
    fixture_.Picker("cb1")->setCurrentIndex(2);
    Convert();
    QTest::mouseClick(fixture_.Main().statusBar(), Qt::LeftButton);
    QVERIFY(Report().isVisible());
    const QString lines = "0 metre = 0 inch\n0 metre = 0 inch%1\n0 foot = 0 inch";
    QCOMPARE(Text()->toPlainText(), lines.arg(" ok"));
    // Undo takes back what the user typed, and never a conversion line.
    for (int undo = 0; undo < 2; ++undo) {
        QTest::keySequence(Text(), QKeySequence::Undo);
        QCOMPARE(Text()->toPlainText(), lines.arg(""));
    }
    Press("bbOk");
    QVERIFY(!Report().isVisible());
}

void TestReport::clear_data() {
    QTest::addColumn<QString>("before");
    QTest::addRow("empty report") << "";
    QTest::addRow("conversions and typed text") << "1 inch = 0.0254 metre\nmy note";
}

void TestReport::clear() {
    QFETCH(QString, before);
    FillReport({before});
    Report().Open();
    Press("bbClear");
    QCOMPARE(Text()->toPlainText(), QString());
    Convert();
    QCOMPARE(Text()->toPlainText(), "0 metre = 0 metre");
}

void TestReport::save_data() {
    QTest::addColumn<QString>("text");
    QTest::addColumn<QString>("file");
    QTest::addColumn<QByteArray>("bytes"); // "<missing>": nothing written
    QTest::addColumn<QString>("startsIn"); // "": saved to `file` without the dialog; else the
                                           // folder of a new home where the dialog starts and
                                           // `file` is saved, as offered, by the Save button
    QTest::addRow("lines, UTF-8") << "1 inch = 0.0254 metre\n5 µm, typed"
                                  << "Report.txt"
                                  << QByteArray("1 inch = 0.0254 metre\n5 \xc2\xb5m, typed\n")
                                  << "";
    QTest::addRow("empty report") << ""
                                  << "Report.txt" << QByteArray() << "";
    QTest::addRow("missing folder") << "a line"
                                    << "no/such/folder.txt" << QByteArray("<missing>") << "";
    QTest::addRow("dialog in the documents folder")
        << "a line"
        << "Report.txt" << QByteArray("a line\n") << "Documents";
    QTest::addRow("dialog at home without one") << "a line"
                                                << "Report.txt" << QByteArray("a line\n") << ".";
}

void TestReport::save() {
    QFETCH(QString, text);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    QFETCH(QString, startsIn);
    Report().Open();
    FillReport({text});
    QString path = fixture_.Path(file);
    bool written = false;
    if (startsIn.isEmpty()) {
        written = Report().SaveReport(path);
    } else {
        const QString home = fixture_.Path("home");
        const QString folder = QDir::cleanPath(QDir(home).filePath(startsIn));
        QVERIFY(QDir().mkpath(folder));
        QCOMPARE(SaveThroughDialog(home), folder);
        path = QDir(folder).filePath(file);
        written = QFileInfo::exists(path);
    }
    QCOMPARE(written, bytes != "<missing>");
    QCOMPARE(test::ReadBytes(path), bytes);
    auto& hint = fixture_.ProgramUnderTest().MessageBalloon();
    QCOMPARE(hint.isVisible(), !written);
    if (!written)
        QVERIFY2(hint.windowTitle().startsWith("The report could not be saved."),
                 qPrintable(hint.windowTitle()));
}

void TestReport::printExpandsTabs_data() {
    QTest::addColumn<QString>("line");
    QTest::addColumn<QString>("printed");
    QTest::addRow("to the next multiple of eight") << "ab\tc"
                                                   << "ab      c";
    QTest::addRow("from a full column of eight") << "abcdefgh\tx"
                                                 << "abcdefgh        x";
    QTest::addRow("two tabs") << "a\t\tb"
                              << "a               b";
    QTest::addRow("leading tab") << "\tx"
                                 << "        x";
}

void TestReport::printExpandsTabs() {
    QFETCH(QString, line);
    QFETCH(QString, printed);
    const QStringList pages = PrintToPdf({"0123456789abcdefghij", line});
    QCOMPARE(pages.size(), 1);
    QCOMPARE(PrintedLines(pages[0]), QStringList({"0123456789abcdefghij", printed}));
}

void TestReport::printWrapsLongLines() {
    QString line;
    for (int k = 0; k < 300; ++k)
        line += QChar('0' + k % 10);
    const QStringList pages = PrintToPdf({line, "next"});
    QCOMPARE(pages.size(), 1);
    QStringList printed = PrintedLines(pages[0]);
    QCOMPARE(printed.takeLast(), QString("next"));
    QVERIFY(printed.size() >= 3);
    // Each printed line but the last is full, and the next goes on from the first character
    // that did not fit: nothing is lost or repeated.
    QVERIFY(printed[0].size() >= 60);
    for (int k = 0; k + 1 < printed.size(); ++k)
        QCOMPARE(printed[k].size(), printed[0].size());
    QCOMPARE(printed.join(""), line);
}

void TestReport::printBreaksPages() {
    QStringList lines;
    for (int k = 1; k <= 150; ++k)
        lines << QString("line %1").arg(k);
    lines << ""
          << "after an empty line";
    int reported = 0;
    const QStringList pages = PrintToPdf(lines, &reported);
    QVERIFY(pages.size() >= 2);
    QCOMPARE(reported, int(pages.size()));
    QStringList printed;
    for (const QString& page : pages)
        printed += PrintedLines(page);
    QCOMPARE(printed, lines);
    // Every page but the last is full.
    const qsizetype full = PrintedLines(pages[0]).size();
    for (qsizetype k = 1; k + 1 < pages.size(); ++k)
        QCOMPARE(PrintedLines(pages[k]).size(), full);
    QVERIFY(PrintedLines(pages.last()).size() <= full);
}

void TestReport::printsOnDefaultPrinter() {
    const QString out = qEnvironmentVariable("QUORVEL_TEST_PRINTS");
    if (out.isEmpty())
        QSKIP("No test printer: scripts/test.sh sets one up");
    const QPrinterInfo printer = QPrinterInfo::defaultPrinter();
    QVERIFY(!printer.isNull());
    QStringList lines;
    for (int k = 1; k <= 130; ++k)
        lines << QString("%1 inch = %2 metre").arg(k).arg(k * 0.0254);
    FillReport(lines);
    Report().Open();
    const QStringList before = QDir(out).entryList({"*.pdf"});
    RecordErrors();
    Press("bbPrint");
    QStringList arrived;
    // A print that fails says so at once or while the job is followed: no waiting for a PDF then.
    QTRY_VERIFY_WITH_TIMEOUT(
        !reported_.isEmpty() ||
            ((arrived = QDir(out).entryList({"*.pdf"})).size() > before.size() &&
             PdfPageCount(QDir(out).filePath(arrived.last())) > 0),
        90000);
    QCOMPARE(reported_, QString());
    QCOMPARE(arrived.size(), before.size() + 1); // one job
    // The same lines laid out for the same page in a PDF of our own give the same pages.
    const QPrinter real(printer, QPrinter::HighResolution);
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(fixture_.Path("expected.pdf"));
    pdf.setResolution(real.resolution());
    pdf.setPageLayout(real.pageLayout());
    const int expected = PrintLines(pdf, lines);
    QVERIFY(expected >= 2);
    QString job;
    for (const QString& name : arrived)
        if (!before.contains(name))
            job = name;
    QCOMPARE(PdfPageCount(QDir(out).filePath(job)), expected);
}

void TestReport::printFailureReachesErrorHandler_data() {
    // Commands of the test command's CUPS scheduler that make its default printer fail, and
    // that make it print again; or a queue of that scheduler that fails every job, printed on
    // as the user's default (LPDEST).
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("restart");
    QTest::addColumn<QString>("queue");
    QTest::addColumn<QString>("said"); // a regular expression; %1: the printer
    QTest::addRow("no default printer") << ""
                                        << ""
                                        << ""
                                        << "No default printer is set up";
    QTest::addRow("refusing jobs") << "cupsreject"
                                   << "cupsaccept"
                                   << ""
                                   << "The printer %1 refuses new jobs \\(Rejecting Jobs";
    QTest::addRow("stopped") << "cupsdisable"
                             << "cupsenable"
                             << ""
                             << "The printer %1 is stopped \\(";
    QTest::addRow("accepting, but denying the job") << ""
                                                    << ""
                                                    << "QuorvelRefuses"
                                                    << "The printer %1 refused the print job: "
                                                       "Forbidden";
    QTest::addRow("job cancelled while printing")
        << ""
        << ""
        << "QuorvelCancels"
        << "The print job \\d+ on the printer %1 was cancelled \\(";
    QTest::addRow("job aborted while printing")
        << ""
        << ""
        << "QuorvelAborts"
        << "The print job \\d+ on the printer %1 was aborted \\(";
}

// The failure reaches the handler of unhandled errors, at once or when the scheduler gives up on
// the job, and the report stays; once the printer is back, printing works again and makes one
// job.
void TestReport::printFailureReachesErrorHandler() {
    QFETCH(QString, stop);
    QFETCH(QString, restart);
    QFETCH(QString, queue);
    QFETCH(QString, said);
    const QString printer = queue.isEmpty() ? QPrinterInfo::defaultPrinterName() : queue;
    const bool needsPrinter = !stop.isEmpty() || !queue.isEmpty();
    if (!needsPrinter && !printer.isEmpty())
        QSKIP("A default printer is set up; ctest runs this case again without one");
    if (needsPrinter && (QPrinterInfo::defaultPrinterName().isEmpty() ||
                         qEnvironmentVariableIsEmpty("QUORVEL_TEST_PRINTS")))
        QSKIP("No test printer: scripts/test.sh sets one up");
    if (!stop.isEmpty())
        QCOMPARE(QProcess::execute(stop, {printer}), 0);
    auto restore = qScopeGuard([&] {
        if (!restart.isEmpty())
            QProcess::execute(restart, {printer});
    });
    const QByteArray defaultQueue = qgetenv("LPDEST");
    if (!queue.isEmpty())
        qputenv("LPDEST", queue.toUtf8());
    auto restoreDefault = qScopeGuard([&] {
        if (defaultQueue.isNull())
            qunsetenv("LPDEST");
        else
            qputenv("LPDEST", defaultQueue);
    });
    const int jobs = JobCount(printer);
    RecordErrors();
    FillReport({"a line"});
    Report().Open();
    Press("bbPrint");
    const QRegularExpression expected('^' + said.arg(QRegularExpression::escape(printer)));
    QTRY_VERIFY_WITH_TIMEOUT(!reported_.isEmpty(), 20000); // any failure ends the wait
    QVERIFY2(expected.match(reported_).hasMatch(), qPrintable(reported_));
    QCOMPARE(Text()->toPlainText(), QString("a line"));
    if (restart.isEmpty())
        return;
    QCOMPARE(JobCount(printer), jobs);
    restore.dismiss();
    QCOMPARE(QProcess::execute(restart, {printer}), 0);
    reported_.clear();
    Press("bbPrint");
    QCOMPARE(reported_, QString());
    QCOMPARE(JobCount(printer), jobs + 1);
}

QUORVEL_PROGRAM_TEST_MAIN(TestReport)

#include "tst_report.moc"
