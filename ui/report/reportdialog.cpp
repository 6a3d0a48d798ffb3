// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/reportdialog.h"

#include "core/textfile.h"
#include "ui/language/translated.h"
#include "ui/report/cupsclient.h"
#include "ui/shared/balloon.h"
#include "ui/shared/dialogbuttons.h"

#include <QBasicTimer>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QScopeGuard>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>
#include <initializer_list>
#include <memory>
#include <vector>

namespace quorvel {

namespace {

// A piece of a printed line between tabs, and where it starts.
struct TextRun {
    qreal x = 0;
    QString text;
};
using PrintedLine = std::vector<TextRun>;

// Plain-text printing uses a fixed-pitch font, so that columns of a report line up on paper.
QFont PlainTextFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// Breaks one line into the printed lines it takes on a page `width` wide.
std::vector<PrintedLine> LayOut(const QString& line, const QFontMetricsF& metrics, qreal width,
                                qreal tabWidth) {
    std::vector<PrintedLine> printed(1);
    TextRun run;
    qreal x = 0;
    auto endRun = [&] {
        if (!run.text.isEmpty())
            printed.back().push_back(run);
        run = TextRun{x, {}};
    };
    QTextBoundaryFinder graphemes(QTextBoundaryFinder::Grapheme, line);
    for (qsizetype start = 0, end = graphemes.toNextBoundary(); end != -1;
         start = end, end = graphemes.toNextBoundary()) {
        const QString piece = line.mid(start, end - start);
        if (piece == "\t") {
            endRun();
            x = (std::floor(x / tabWidth) + 1) * tabWidth;
            run.x = x;
            continue;
        }
        const qreal advance = metrics.horizontalAdvance(piece);
        if (x > 0 && x + advance > width) {
            endRun();
            printed.emplace_back();
            x = 0;
            run.x = 0;
        }
        run.text += piece;
        x += advance;
    }
    endRun();
    return printed;
}

// A queue of the CUPS scheduler, as the report is printed on it.
struct PrintDestination {
    std::string name;
    std::string instance; // a set of options of the queue's own, which Qt names "name/instance"
    std::string uri;
};

using IppResponse = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

// The destination CUPS prints on when none is named. Throws EPrintError without one.
PrintDestination DefaultDestination() {
    const CupsLibrary& cups = CupsClient();
    cups_dest_t* found = cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!found)
        throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog", "No default printer is set up"));
    PrintDestination destination{found->name, found->instance ? found->instance : "", {}};
    if (const char* given =
            cups.cupsGetOption("printer-uri-supported", found->num_options, found->options)) {
        destination.uri = given;
    } else {
        char made[HTTP_MAX_URI];
        cups.httpAssembleURIf(HTTP_URI_CODING_ALL, made, sizeof made, "ipp", nullptr, "localhost",
                              cups.ippPort(), "/printers/%s", found->name);
        destination.uri = made;
    }
    cups.cupsFreeDests(1, found);
    return destination;
}

QString QtName(const PrintDestination& destination) {
    const QString name = QString::fromStdString(destination.name);
    return destination.instance.empty() ? name
                                        : name + '/' + QString::fromStdString(destination.instance);
}

// What the scheduler holds of the printer, or with a job id of one of its jobs: the attributes
// asked for. Nothing when it cannot tell.
IppResponse Attributes(const PrintDestination& printer, int job, std::vector<const char*> names) {
    const CupsLibrary& cups = CupsClient();
    ipp_t* request =
        cups.ippNewRequest(job ? IPP_OP_GET_JOB_ATTRIBUTES : IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                      printer.uri.c_str());
    if (job)
        cups.ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(names.size()), nullptr, names.data());
    IppResponse response(cups.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"), cups.ippDelete);
    if (cups.cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        response.reset();
    return response;
}

// An attribute's number; `otherwise` when the scheduler did not give it.
int Number(ipp_t* response, const char* name, int otherwise) {
    const CupsLibrary& cups = CupsClient();
    ipp_attribute_t* attribute = cups.ippFindAttribute(response, name, IPP_TAG_ZERO);
    if (!attribute)
        return otherwise;
    return cups.ippGetValueTag(attribute) == IPP_TAG_BOOLEAN ? cups.ippGetBoolean(attribute, 0)
                                                             : cups.ippGetInteger(attribute, 0);
}

// Why the scheduler says a printer or a job is in its state: the first of its messages that says
// something, else its reasons, else that it gives none.
Message Reason(ipp_t* response, std::initializer_list<const char*> messages, const char* reasons) {
    const CupsLibrary& cups = CupsClient();
    for (const char* message : messages) {
        if (ipp_attribute_t* text = cups.ippFindAttribute(response, message, IPP_TAG_TEXT)) {
            if (const char* said = cups.ippGetString(text, 0, nullptr); said && *said)
                return said;
        }
    }
    std::string why;
    ipp_attribute_t* keywords = cups.ippFindAttribute(response, reasons, IPP_TAG_KEYWORD);
    for (int k = 0; k < cups.ippGetCount(keywords); ++k) {
        const std::string keyword = cups.ippGetString(keywords, k, nullptr);
        // CUPS leaves processing-to-stop-point on every job it cancelled or aborted: no reason.
        if (keyword != "none" && keyword != "processing-to-stop-point")
            why += (why.empty() ? "" : ", ") + keyword;
    }
    if (why.empty())
        //: What the message of a printing failure says when the printing system gives no reason.
        return QUORVEL_MESSAGE("quorvel::ReportDialog", "no reason given");
    return why;
}

// Qt's printing reports success for a printer that refuses jobs, and the report would be lost
// without a word: the printer's state is asked first.
void CheckAcceptsJobs(const PrintDestination& printer) {
    const IppResponse state = Attributes(printer, 0,
                                         {"printer-is-accepting-jobs", "printer-state",
                                          "printer-state-message", "printer-state-reasons"});
    if (!state)
        return; // the submission will tell
    const Message why = Reason(state.get(), {"printer-state-message"}, "printer-state-reasons");
    if (!Number(state.get(), "printer-is-accepting-jobs", true))
        //: %1 is the printer's name, %2 the reason the printing system gives; cupsaccept is a
        //: command and stays as it is.
        throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog",
                                          "The printer %1 refuses new jobs (%2). Let it accept "
                                          "jobs again in the printer settings (cupsaccept %1) and "
                                          "print again"),
                          {printer.name, why});
    if (Number(state.get(), "printer-state", IPP_PSTATE_IDLE) == IPP_PSTATE_STOPPED)
        //: %1 is the printer's name, %2 the reason the printing system gives; cupsenable is a
        //: command and stays as it is.
        throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog",
                                          "The printer %1 is stopped (%2). Resume it in the "
                                          "printer settings (cupsenable %1) and print again"),
                          {printer.name, why});
}

// The report laid out for the printer's page in a PDF file, as Qt's own printing on CUPS does
// before it hands such a file to the scheduler.
void WritePdf(const QPrinter& printer, const QString& path, const QStringList& lines) {
    QPrinter pdf(QPrinter::HighResolution);
    pdf.setOutputFormat(QPrinter::PdfFormat);
    pdf.setOutputFileName(path);
    pdf.setResolution(printer.resolution());
    pdf.setPageLayout(printer.pageLayout());
    pdf.setColorMode(printer.colorMode());
    PrintLines(pdf, lines);
}

// The job options that Qt's own printing gives: the page size, and one or both sides as the
// printer does by default.
const char* Sides(const QPrinter& printer) {
    switch (printer.duplex()) {
    case QPrinter::DuplexNone: return "one-sided";
    case QPrinter::DuplexShortSide: return "two-sided-short-edge";
    default: // the report is printed upright
        return "two-sided-long-edge";
    }
}

// Hands the PDF file to the scheduler as one job without a title; its number. Throws
// EPrintError with the scheduler's reason when it takes no job.
int Submit(const PrintDestination& printer, const QString& pdf, const QPrinter& layout) {
    const CupsLibrary& cups = CupsClient();
    cups_option_t* options = nullptr;
    const QByteArray media = layout.pageLayout().pageSize().key().toLocal8Bit();
    int count = cups.cupsAddOption("media", media.constData(), 0, &options);
    count = cups.cupsAddOption("sides", Sides(layout), count, &options);
    const int job = cups.cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.name.c_str(),
                                        QFile::encodeName(pdf).constData(), "", count, options);
    cups.cupsFreeOptions(count, options);
    if (job == 0)
        //: %1 is the printer's name, %2 the reason the printing system gives.
        throw EPrintError(
            QUORVEL_MESSAGE("quorvel::ReportDialog", "The printer %1 refused the print job: %2"),
            {printer.name, std::string(cups.cupsLastErrorString())});
    return job;
}

// Whether the scheduler is done with the job: printed, or no longer known to it (done and
// forgotten). A job it cancelled or aborted is no printed report: throws EPrintError then.
bool JobEnded(const PrintDestination& printer, int job) {
    const IppResponse fate = Attributes(
        printer, job,
        {"job-state", "job-state-message", "job-state-reasons", "job-printer-state-message"});
    if (!fate)
        return true;
    const int state = Number(fate.get(), "job-state", IPP_JSTATE_PENDING);
    if (state != IPP_JSTATE_CANCELED && state != IPP_JSTATE_ABORTED)
        return state == IPP_JSTATE_COMPLETED;
    // The printer's message when the job ended tells what went wrong with the device.
    const Message why =
        Reason(fate.get(), {"job-state-message", "job-printer-state-message"}, "job-state-reasons");
    if (state == IPP_JSTATE_CANCELED)
        //: %1 is the job's number, %2 the printer's name, %3 the reason the printing system
        //: gives.
        throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog",
                                          "The print job %1 on the printer %2 was cancelled (%3)"),
                          {std::to_string(job), printer.name, why});
    //: %1 is the job's number, %2 the printer's name, %3 the reason the printing system gives.
    throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog",
                                      "The print job %1 on the printer %2 was aborted (%3)"),
                      {std::to_string(job), printer.name, why});
}

// Follows a job while the scheduler works on it, which may take long after its submission (the
// filters, a busy printer, a device that fails): asking at first often, then less. A job that
// ends cancelled or aborted throws EPrintError from the timer event, which takes it to the
// program's handler of unhandled errors, as a failure while printing does.
class JobWatch : public QObject {
public:
    JobWatch(PrintDestination printer, int job, QObject* parent)
        : QObject(parent), printer_(std::move(printer)), job_(job) {
        timer_.start(interval_, this);
    }

protected:
    void timerEvent(QTimerEvent*) override {
        timer_.stop();
        bool ended = true; // also when JobEnded throws: the failure is told once
        const auto forget = qScopeGuard([&] {
            if (ended)
                deleteLater();
        });
        ended = JobEnded(printer_, job_);
        if (!ended) {
            interval_ = std::min(2 * interval_, LongestInterval);
            timer_.start(interval_, this);
        }
    }

private:
    static constexpr int LongestInterval = 5000; // ms
    PrintDestination printer_;
    int job_;
    int interval_ = 250; // ms
    QBasicTimer timer_;
};

// The file dialog starts in the user's documents folder, or at home when there is none: given a
// folder that does not exist, it would open in the working folder, the program's hidden data
// folder.
QString ReportFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

} // namespace

int PrintLines(QPrinter& printer, const QStringList& lines) {
    QPainter painter;
    if (!painter.begin(&printer))
        //: %1 is the printer's name.
        throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog",
                                          "The printer %1 could not start the print job"),
                          {printer.printerName().toStdString()});
    painter.setFont(QFont(PlainTextFont(), &printer));
    const QFontMetricsF metrics(painter.font(), &printer);
    const QRectF page = printer.pageRect(QPrinter::DevicePixel);
    const qreal lineHeight = metrics.lineSpacing();
    // The average character width as plain-text printing has always meant it: the width of an x
    // (a font's own average may count wide glyphs that plain text never uses).
    const qreal tabWidth = 8 * metrics.horizontalAdvance(QChar('x'));
    int pages = 1;
    qreal y = 0;
    for (const QString& line : lines) {
        for (const PrintedLine& printed : LayOut(line, metrics, page.width(), tabWidth)) {
            if (y > 0 && y + lineHeight > page.height()) {
                printer.newPage();
                ++pages;
                y = 0;
            }
            for (const TextRun& run : printed)
                painter.drawText(QPointF(run.x, y + metrics.ascent()), run.text);
            y += lineHeight;
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        //: %1 is the printer's name.
        throw EPrintError(
            QUORVEL_MESSAGE("quorvel::ReportDialog", "The print job on the printer %1 failed"),
            {printer.printerName().toStdString()});
    return pages;
}

ReportDialog::ReportDialog(QTextDocument* report, ErrorBalloon& errorHint, HelpOpener helpLink,
                           QWidget* parent)
    : QDialog(parent), report_(report), balloon_(errorHint), helpLink_(std::move(helpLink)) {
    setObjectName("FReport");
    //: Title of the window that holds the record of the conversions made.
    setWindowTitle(tr("Report"));
    setWindowModality(Qt::ApplicationModal);
    SetHelpContext(this, hcReport);

    reportEdit_ = new QPlainTextEdit;
    reportEdit_->setObjectName("reReport");
    reportEdit_->setAccessibleName(tr("Report"));
    reportEdit_->setDocument(report_);
    reportEdit_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reportEdit_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto button = [this](const char* name, const QString& caption, auto action) {
        QPushButton* pushButton = MakeButton(name, caption, this, action);
        pushButton->setAutoDefault(false);
        return pushButton;
    };
    // Alt and the marked letter press a button rather than typing into the report.
    //: Saves the report as a text file; asks for the file first.
    QPushButton* bbSave = button("bbSave", tr("&Save..."), &ReportDialog::SaveToFile);
    //: %1 is the shortcut key.
    bbSave->setToolTip(
        tr("Save the report as a text file (%1)")
            .arg(QKeySequence(QKeySequence::Save).toString(QKeySequence::NativeText)));
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &ReportDialog::SaveToFile);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("bbOk", tr("&OK"), &QDialog::accept));
    //: Prints the report on the default printer at once, without a dialog.
    buttons->addWidget(button("bbPrint", tr("&Print"), &ReportDialog::Print));
    buttons->addWidget(bbSave);
    //: Empties the report.
    buttons->addWidget(button("bbClear", tr("C&lear"), &ReportDialog::ClearReport));
    buttons->addWidget(button("bbClose", tr("&Close"), &QDialog::reject));
    buttons->addWidget(button("bbHelp", tr("&Help"), [this] { helpLink_(hcReport); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reportEdit_, 1);
    layout->addLayout(buttons);
    resize(560, 380);
}

void ReportDialog::Open() {
    show();
    raise();
    activateWindow();
    reportEdit_->moveCursor(QTextCursor::End);
    reportEdit_->ensureCursorVisible();
    reportEdit_->setFocus();
}

QStringList ReportDialog::Lines() const {
    QStringList lines;
    for (QTextBlock block = report_->begin(); block.isValid(); block = block.next())
        lines += block.text().split(QChar::LineSeparator);
    return lines;
}

// The scheduler itself is asked whether the printer takes jobs and what became of the job:
// Qt's printing reports success even when the job was refused.
void ReportDialog::Print() {
    const PrintDestination printer = DefaultDestination();
    CheckAcceptsJobs(printer);
    const QPrinter layout(QPrinterInfo::printerInfo(QtName(printer)), QPrinter::HighResolution);
    const QTemporaryDir folder;
    if (!folder.isValid())
        //: %1 is the reason the system gives.
        throw EPrintError(
            QUORVEL_MESSAGE("quorvel::ReportDialog", "No temporary folder for the print job: %1"),
            {folder.errorString().toStdString()});
    const QString pdf = folder.filePath("report.pdf");
    WritePdf(layout, pdf, Lines());
    const int job = Submit(printer, pdf, layout);
    if (!JobEnded(printer, job))
        new JobWatch(printer, job, this);
}

void ReportDialog::ClearReport() {
    report_->clear();
}

void ReportDialog::SaveToFile() {
    const QString folder = ReportFolder();
    // The file's name stays English, as the program's own files do.
    //: Title of the dialog that asks where to save the report.
    const QString title = tr("Save Report");
    //: The kinds of file the dialog offers.
    const QString kinds = tr("Text files (*.txt);;All files (*)");
    const QString path = QFileDialog::getSaveFileName(this, title, folder + "/Report.txt", kinds);
    if (!path.isEmpty())
        SaveReport(path);
}

bool ReportDialog::SaveReport(const QString& path) {
    const QByteArray text = report_->isEmpty() ? QByteArray() : Lines().join('\n').toUtf8() + '\n';
    try {
        WriteFileAtomically(QFile::encodeName(path).toStdString(), text.toStdString());
    } catch (const EFileError& error) {
        //: %1 is the reason, such as a file that cannot be written.
        balloon_.ShowUnder(reportEdit_,
                           tr("The report could not be saved. %1").arg(Translated(error)));
        return false;
    }
    return true;
}

} // namespace quorvel
