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

#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QScopeGuard>
#include <QStatusBar>
#include <QTextDocument>
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
    void cleanup() { fixture_.Stop(); }

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

    test::ProgramFixture fixture_;
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
    QTest::addRow("lines, UTF-8") << "1 inch = 0.0254 metre\n5 µm, typed"
                                  << "Report.txt"
                                  << QByteArray("1 inch = 0.0254 metre\n5 \xc2\xb5m, typed\n");
    QTest::addRow("empty report") << ""
                                  << "Report.txt" << QByteArray();
    QTest::addRow("missing folder") << "a line"
                                    << "no/such/folder.txt" << QByteArray("<missing>");
}

void TestReport::save() {
    QFETCH(QString, text);
    QFETCH(QString, file);
    QFETCH(QByteArray, bytes);
    Report().Open();
    FillReport({text});
    const bool written = Report().SaveReport(fixture_.Path(file));
    QCOMPARE(written, bytes != "<missing>");
    QCOMPARE(test::ReadBytes(fixture_.Path(file)), bytes);
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
    Press("bbPrint");
    QStringList arrived;
    QTRY_VERIFY_WITH_TIMEOUT((arrived = QDir(out).entryList({"*.pdf"})).size() > before.size() &&
                                 PdfPageCount(QDir(out).filePath(arrived.last())) > 0,
                             90000);
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
    // that make it print again.
    QTest::addColumn<QString>("stop");
    QTest::addColumn<QString>("restart");
    QTest::addColumn<QString>("said"); // %1: the printer
    QTest::addRow("no default printer") << ""
                                        << ""
                                        << "No default printer is set up";
    QTest::addRow("refusing jobs") << "cupsreject"
                                   << "cupsaccept"
                                   << "The printer %1 refuses new jobs (Rejecting Jobs";
    QTest::addRow("stopped") << "cupsdisable"
                             << "cupsenable"
                             << "The printer %1 is stopped (";
}

// The failure reaches the handler of unhandled errors, no job is made, and the report stays;
// once the printer is back, printing works again.
void TestReport::printFailureReachesErrorHandler() {
    QFETCH(QString, stop);
    QFETCH(QString, restart);
    QFETCH(QString, said);
    const QString printer = QPrinterInfo::defaultPrinterName();
    if (stop.isEmpty() && !printer.isEmpty())
        QSKIP("A default printer is set up; ctest runs this case again without one");
    if (!stop.isEmpty() &&
        (printer.isEmpty() || qEnvironmentVariableIsEmpty("QUORVEL_TEST_PRINTS")))
        QSKIP("No test printer: scripts/test.sh sets one up");
    if (!stop.isEmpty())
        QCOMPARE(QProcess::execute(stop, {printer}), 0);
    auto restore = qScopeGuard([&] {
        if (!restart.isEmpty())
            QProcess::execute(restart, {printer});
    });
    const int jobs = JobCount(printer);
    QString reported;
    auto* application = qobject_cast<Application*>(QCoreApplication::instance());
    QVERIFY(application);
    application->SetErrorHandler([&](const std::exception& error) { reported = error.what(); });
    auto handler = qScopeGuard([application] { application->SetErrorHandler({}); });
    FillReport({"a line"});
    Report().Open();
    Press("bbPrint");
    QVERIFY2(reported.startsWith(said.arg(printer)), qPrintable(reported));
    QCOMPARE(Text()->toPlainText(), QString("a line"));
    if (restart.isEmpty())
        return;
    QCOMPARE(JobCount(printer), jobs);
    restore.dismiss();
    QCOMPARE(QProcess::execute(restart, {printer}), 0);
    reported.clear();
    Press("bbPrint");
    QCOMPARE(reported, QString());
    QCOMPARE(JobCount(printer), jobs + 1);
}

QUORVEL_PROGRAM_TEST_MAIN(TestReport)

#include "tst_report.moc"
