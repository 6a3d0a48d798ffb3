// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report window: the running record of the session's conversions as editable plain text,
// which the user can clear, save as a text file, and print on the default printer.

#include "calc/errors.h"
#include "ui/help/helpcontext.h"

#include <QDialog>
#include <QStringList>

class QPlainTextEdit;
class QPrinter;
class QTextDocument;

namespace quorvel {

class ErrorBalloon;

// Printing failed: no default printer, a printer that refuses jobs or is stopped, or a job that
// could not be made, or that the printer refused, cancelled or aborted. The message says what
// happened and what to do.
class EPrintError : public Error {
public:
    using Error::Error;
};

// Prints lines of plain text, one job, in the printer's plain-text font from the top left of the
// printable area: a line too wide for the page continues on the next printed line from the
// first character that does not fit, a tab moves on to the next multiple of eight average
// character widths, and a new page begins when the page is full. Returns the number of pages.
// Throws EPrintError when the job cannot be started or fails.
int PrintLines(QPrinter& printer, const QStringList& lines);

class ReportDialog : public QDialog {
    Q_OBJECT

public:
    // Shows and edits `report`, the document the main window appends its conversion lines to.
    ReportDialog(QTextDocument* report, ErrorBalloon& errorHint, HelpOpener helpLink,
                 QWidget* parent = nullptr);

    // Shows the window modally, scrolled to the latest line.
    void Open();

    // Prints the report on the default printer without a dialog, as one job of the CUPS
    // scheduler. Throws EPrintError, which is left to the program's handler of unhandled errors;
    // a job that the scheduler cancels or aborts later reaches that handler too.
    void Print();
    void ClearReport();
    // Asks for a file name and saves the report there.
    void SaveToFile();
    // Writes the report as UTF-8 text, one line per line; a failure is shown under the text
    // and leaves an existing file as it was. Returns whether it was written.
    bool SaveReport(const QString& path);

private:
    QStringList Lines() const;

    QTextDocument* report_;
    ErrorBalloon& balloon_;
    HelpOpener helpLink_;
    QPlainTextEdit* reportEdit_;
};

} // namespace quorvel
