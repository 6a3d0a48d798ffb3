// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The number input dialog: the main window's value typed as a mantissa and a power-of-ten
// exponent, previewed live, and handed back on Submit.

#include "ui/help/helpcontext.h"

#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace quorvel {

class DesignScale;
class MainWindow;
class NumberDisplay;

class NumberInputDialog : public QWidget {
    Q_OBJECT

public:
    // The dialog reads and writes the main window's value and display.
    NumberInputDialog(MainWindow& mainForm, HelpOpener help, QWidget* parent = nullptr);

    // Shows the dialog modally; it starts from the main window's value.
    void Open();

    // The value Submit would hand back: the last one the two edits made.
    long double InputValue() const { return inputValue_; }

    // Reads both edits again; shared by the two edits' changes and a click on the exponent.
    void OnNumberEdited();
    void Submit();
    void CloseWindow();
    void ShowHelp();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePreview(const DesignScale& scale);
    void CreateEdits(const DesignScale& scale);
    void CreateButtons(const DesignScale& scale);
    void StartFromCurrentValue();
    void StartNewNumberIfRetyped();
    bool TypeDecimalSeparator(const QKeyEvent* key);

    MainWindow& mainWindow_;
    HelpOpener help_;
    long double inputValue_ = 0;
    bool exponentFromOpening_ = false; // neither edit has been edited since the dialog opened
    bool mantissaAllSelected_ = false; // as it stood before the latest edit

    NumberDisplay* preview_ = nullptr;
    QLineEdit* mantissaEdit_ = nullptr;
    QLineEdit* exponentEdit_ = nullptr;
    QPushButton* okButton_ = nullptr;
    QPushButton* closeButton_ = nullptr;
    QPushButton* helpButton_ = nullptr;
};

} // namespace quorvel
