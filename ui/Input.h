// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The number input dialog: the main window's value typed as a mantissa and a power-of-ten
// exponent, previewed live, and handed back on Submit.

#include "ui/HelpContext.h"

#include <QWidget>

class QKeyEvent;
class QLineEdit;
class QPushButton;

namespace quorvel {

class TDesignScale;
class TMForm;
class TQZCalcIndicator;

class TInputNumber : public QWidget {
    Q_OBJECT

public:
    // The dialog reads and writes the main window's value and display.
    TInputNumber(TMForm& mainForm, THelpLink help, QWidget* parent = nullptr);

    // Shows the dialog modally; it starts from the main window's value.
    void Open();

    // The value Submit would hand back: the last one the two edits made.
    long double InputValue() const { return inputValue_; }

    // Reads both edits again; shared by the two edits' changes and a click on the exponent.
    void meNumberChange();
    void bbOkClick();
    void bbCloseClick();
    void bbHelpClick();

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreatePreview(const TDesignScale& scale);
    void CreateEdits(const TDesignScale& scale);
    void CreateButtons(const TDesignScale& scale);
    void FormShow();
    void meNumberEdited();
    bool TypeDecimalSeparator(const QKeyEvent* key);

    TMForm& mainForm_;
    THelpLink help_;
    long double inputValue_ = 0;
    bool exponentFromOpening_ = false; // neither edit has been edited since the dialog opened
    bool mantissaAllSelected_ = false; // as it stood before the latest edit

    TQZCalcIndicator* previewInd_ = nullptr;
    QLineEdit* meNumber_ = nullptr;
    QLineEdit* meExponent_ = nullptr;
    QPushButton* bbOk_ = nullptr;
    QPushButton* bbClose_ = nullptr;
    QPushButton* bbHelp_ = nullptr;
};

} // namespace quorvel
