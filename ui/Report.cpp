#include "ui/Report.h"

#include "core/textfile.h"
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
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>
#include <QVBoxLayout>
#include <cmath>
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

void TFReport::bbPrintClick() {
    const QPrinterInfo defaultPrinter = QPrinterInfo::defaultPrinter();
    if (defaultPrinter.isNull())
        throw EPrintError("No default printer is set up");
    QPrinter printer(defaultPrinter, QPrinter::HighResolution);
    PrintLines(printer, Lines());
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
