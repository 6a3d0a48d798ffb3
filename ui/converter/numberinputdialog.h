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
class ConverterSession;
class NumberDisplay;

class NumberInputDialog : public QWidget {
    Q_OBJECT

public:
    // The dialog starts from the converter's value and hands the new one back to it.
    NumberInputDialog(ConverterSession& converter, HelpOpener help, QWidget* parent = nullptr);

    // Shows the dialog modally; it starts from the converter's value.
    void Open();

    // The value Submit would hand back: the last one the two edits made.
    long double InputValue() const { return inputValue_; }

    // Reads both edits again; shared by the two edits' changes and a click on the exponent.
    void OnNumberEdited();
    // Hands the value to the converter and closes.
    void Submit();
    void CloseWindow();
    void ShowHelp();

signals:
    // A value was handed back, after the dialog closed.
    void submitted();

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

    ConverterSession& converter_;
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
