#include "ui/Report.h"

#include "core/textfile.h"
#include "ui/CupsClient.h"
#include "ui/Hints.h"

#include <QFile>
#include <QFileDialog>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHBoxLayout>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QShortcut>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
#include <memory>
#include <vector>

namespace quorvel {

namespace {

// A piece of a printed line between tabs, and where it starts.
struct TRun {
    qreal x = 0;
    QString text;
};
using TPrintedLine = std::vector<TRun>;

// Plain-text printing uses a fixed-pitch font, so that columns of a report line up on paper.
QFont PlainTextFont() {
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setPointSize(10);
    return font;
}

// Breaks one line into the printed lines it takes on a page `width` wide.
std::vector<TPrintedLine> LayOut(const QString& line, const QFontMetricsF& metrics, qreal width,
                                 qreal tabWidth) {
    std::vector<TPrintedLine> printed(1);
    TRun run;
    qreal x = 0;
    auto endRun = [&] {
        if (!run.text.isEmpty())
            printed.back().push_back(run);
        run = TRun{x, {}};
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
struct TDestination {
    std::string name;
    std::string instance; // a set of options of the queue's own, which Qt names "name/instance"
    std::string uri;
};

using TIppResponse = std::unique_ptr<ipp_t, decltype(&ippDelete)>;

// The destination CUPS prints on when none is named. Throws EPrintError without one.
TDestination DefaultDestination() {
    const TCupsClient& cups = CupsClient();
    cups_dest_t* found = cups.cupsGetNamedDest(CUPS_HTTP_DEFAULT, nullptr, nullptr);
    if (!found)
        throw EPrintError("No default printer is set up");
    TDestination destination{found->name, found->instance ? found->instance : "", {}};
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

QString QtName(const TDestination& destination) {
    const QString name = QString::fromStdString(destination.name);
    return destination.instance.empty() ? name
                                        : name + '/' + QString::fromStdString(destination.instance);
}

// What the scheduler holds of the printer, or with a job id of one of its jobs: the attributes
// asked for. Nothing when it cannot tell.
TIppResponse Attributes(const TDestination& printer, int job, std::vector<const char*> names) {
    const TCupsClient& cups = CupsClient();
    ipp_t* request =
        cups.ippNewRequest(job ? IPP_OP_GET_JOB_ATTRIBUTES : IPP_OP_GET_PRINTER_ATTRIBUTES);
    cups.ippAddString(request, IPP_TAG_OPERATION, IPP_TAG_URI, "printer-uri", nullptr,
                      printer.uri.c_str());
    if (job)
        cups.ippAddInteger(request, IPP_TAG_OPERATION, IPP_TAG_INTEGER, "job-id", job);
    cups.ippAddStrings(request, IPP_TAG_OPERATION, IPP_TAG_KEYWORD, "requested-attributes",
                       static_cast<int>(names.size()), nullptr, names.data());
    TIppResponse response(cups.cupsDoRequest(CUPS_HTTP_DEFAULT, request, "/"), cups.ippDelete);
    if (cups.cupsLastError() > IPP_STATUS_OK_CONFLICTING)
        response.reset();
    return response;
}

// An attribute's number; `otherwise` when the scheduler did not give it.
int Number(ipp_t* response, const char* name, int otherwise) {
    const TCupsClient& cups = CupsClient();
    ipp_attribute_t* attribute = cups.ippFindAttribute(response, name, IPP_TAG_ZERO);
    if (!attribute)
        return otherwise;
    return cups.ippGetValueTag(attribute) == IPP_TAG_BOOLEAN ? cups.ippGetBoolean(attribute, 0)
                                                             : cups.ippGetInteger(attribute, 0);
}

// Why the scheduler says a printer or a job is in its state: its message, else its reasons.
std::string Reason(ipp_t* response, const char* message, const char* reasons) {
    const TCupsClient& cups = CupsClient();
    if (ipp_attribute_t* text = cups.ippFindAttribute(response, message, IPP_TAG_TEXT)) {
        if (const char* said = cups.ippGetString(text, 0, nullptr); said && *said)
            return said;
    }
    std::string why;
    ipp_attribute_t* keywords = cups.ippFindAttribute(response, reasons, IPP_TAG_KEYWORD);
    for (int k = 0; k < cups.ippGetCount(keywords); ++k) {
        const std::string keyword = cups.ippGetString(keywords, k, nullptr);
        if (keyword != "none")
            why += (why.empty() ? "" : ", ") + keyword;
    }
    return why.empty() ? "no reason given" : why;
}

// Qt's printing reports success for a printer that refuses jobs, and the report would be lost
// without a word: the printer's state is asked first.
void CheckAcceptsJobs(const TDestination& printer) {
    const TIppResponse state = Attributes(printer, 0,
                                          {"printer-is-accepting-jobs", "printer-state",
                                           "printer-state-message", "printer-state-reasons"});
    if (!state)
        return; // the submission will tell
    const std::string why = Reason(state.get(), "printer-state-message", "printer-state-reasons");
    if (!Number(state.get(), "printer-is-accepting-jobs", true))
        throw EPrintError("The printer " + printer.name + " refuses new jobs (" + why +
                          "). Let it accept jobs again in the printer settings (cupsaccept " +
                          printer.name + ") and print again");
    if (Number(state.get(), "printer-state", IPP_PSTATE_IDLE) == IPP_PSTATE_STOPPED)
        throw EPrintError("The printer " + printer.name + " is stopped (" + why +
                          "). Resume it in the printer settings (cupsenable " + printer.name +
                          ") and print again");
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
int Submit(const TDestination& printer, const QString& pdf, const QPrinter& layout) {
    const TCupsClient& cups = CupsClient();
    cups_option_t* options = nullptr;
    const QByteArray media = layout.pageLayout().pageSize().key().toLocal8Bit();
    int count = cups.cupsAddOption("media", media.constData(), 0, &options);
    count = cups.cupsAddOption("sides", Sides(layout), count, &options);
    const int job = cups.cupsPrintFile2(CUPS_HTTP_DEFAULT, printer.name.c_str(),
                                        QFile::encodeName(pdf).constData(), "", count, options);
    cups.cupsFreeOptions(count, options);
    if (job == 0)
        throw EPrintError("The printer " + printer.name +
                          " refused the print job: " + cups.cupsLastErrorString());
    return job;
}

// A job the scheduler cancelled or aborted at once is no printed report.
void CheckJobFate(const TDestination& printer, int job) {
    const TIppResponse fate =
        Attributes(printer, job, {"job-state", "job-state-message", "job-state-reasons"});
    if (!fate)
        return; // a job it no longer knows was done and forgotten
    const int state = Number(fate.get(), "job-state", IPP_JSTATE_PENDING);
    if (state == IPP_JSTATE_CANCELED || state == IPP_JSTATE_ABORTED)
        throw EPrintError("The print job " + std::to_string(job) + " on the printer " +
                          printer.name + " was " +
                          (state == IPP_JSTATE_CANCELED ? "cancelled" : "aborted") + " (" +
                          Reason(fate.get(), "job-state-message", "job-state-reasons") + ")");
}

} // namespace

int PrintLines(QPrinter& printer, const QStringList& lines) {
    QPainter painter;
    if (!painter.begin(&printer))
        throw EPrintError("The printer " + printer.printerName().toStdString() +
                          " could not start the print job");
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
        for (const TPrintedLine& printed : LayOut(line, metrics, page.width(), tabWidth)) {
            if (y > 0 && y + lineHeight > page.height()) {
                printer.newPage();
                ++pages;
                y = 0;
            }
            for (const TRun& run : printed)
                painter.drawText(QPointF(run.x, y + metrics.ascent()), run.text);
            y += lineHeight;
        }
    }
    if (!painter.end() || printer.printerState() == QPrinter::Error)
        throw EPrintError("The print job on the printer " + printer.printerName().toStdString() +
                          " failed");
    return pages;
}

TFReport::TFReport(QTextDocument* report, TErrorHintWindow& errorHint, THelpLink helpLink,
                   QWidget* parent)
    : QDialog(parent), report_(report), errorHint_(errorHint), helpLink_(std::move(helpLink)) {
    setObjectName("FReport");
    setWindowTitle("Report");
    setWindowModality(Qt::ApplicationModal);
    SetHelpContext(this, hcReport);

    reReport_ = new QPlainTextEdit;
    reReport_->setObjectName("reReport");
    reReport_->setAccessibleName("Report");
    reReport_->setDocument(report_);
    reReport_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    reReport_->setLineWrapMode(QPlainTextEdit::WidgetWidth);

    auto button = [this](const char* name, const QString& caption, auto action) {
        auto* pushButton = new QPushButton(caption);
        pushButton->setObjectName(name);
        pushButton->setAccessibleName(QString(caption).remove('&'));
        pushButton->setAutoDefault(false);
        connect(pushButton, &QPushButton::clicked, this, action);
        return pushButton;
    };
    // Alt and the marked letter press a button rather than typing into the report.
    QPushButton* bbSave = button("bbSave", "&Save...", &TFReport::bbSaveClick);
    bbSave->setToolTip("Save the report as a text file (Ctrl+S)");
    auto* save = new QShortcut(QKeySequence::Save, this);
    connect(save, &QShortcut::activated, this, &TFReport::bbSaveClick);

    auto* buttons = new QHBoxLayout;
    buttons->addWidget(button("bbOk", "&OK", &QDialog::accept));
    buttons->addWidget(button("bbPrint", "&Print", &TFReport::bbPrintClick));
    buttons->addWidget(bbSave);
    buttons->addWidget(button("bbClear", "C&lear", &TFReport::bbClearClick));
    buttons->addWidget(button("bbClose", "&Close", &QDialog::reject));
    buttons->addWidget(button("bbHelp", "&Help", [this] { helpLink_(hcReport); }));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(reReport_, 1);
    layout->addLayout(buttons);
    resize(560, 380);
}

void TFReport::Open() {
    show();
    raise();
    activateWindow();
    reReport_->moveCursor(QTextCursor::End);
    reReport_->ensureCursorVisible();
    reReport_->setFocus();
}

QStringList TFReport::Lines() const {
    QStringList lines;
    for (QTextBlock block = report_->begin(); block.isValid(); block = block.next())
        lines += block.text().split(QChar::LineSeparator);
    return lines;
}

// The scheduler itself is asked whether the printer takes jobs and what became of the job:
// Qt's printing reports success even when the job was refused.
void TFReport::bbPrintClick() {
    const TDestination printer = DefaultDestination();
    CheckAcceptsJobs(printer);
    const QPrinter layout(QPrinterInfo::printerInfo(QtName(printer)), QPrinter::HighResolution);
    const QTemporaryDir folder;
    if (!folder.isValid())
        throw EPrintError("No temporary folder for the print job: " +
                          folder.errorString().toStdString());
    const QString pdf = folder.filePath("report.pdf");
    WritePdf(layout, pdf, Lines());
    CheckJobFate(printer, Submit(printer, pdf, layout));
}

void TFReport::bbClearClick() {
    report_->clear();
}

void TFReport::bbSaveClick() {
    const QString folder = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    const QString path = QFileDialog::getSaveFileName(this, "Save Report", folder + "/Report.txt",
                                                      "Text files (*.txt);;All files (*)");
    if (!path.isEmpty())
        SaveReport(path);
}

bool TFReport::SaveReport(const QString& path) {
    const QByteArray text = report_->isEmpty() ? QByteArray() : Lines().join('\n').toUtf8() + '\n';
    try {
        WriteFileAtomically(QFile::encodeName(path).toStdString(), text.toStdString());
    } catch (const EFileError& error) {
        errorHint_.ShowErrorHint(reReport_, QString("The report could not be saved. ") +
                                                QString::fromStdString(error.what()));
        return false;
    }
    return true;
}

} // namespace quorvel
