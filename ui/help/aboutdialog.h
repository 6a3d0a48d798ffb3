// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The About box: the emblem, endlessly scrolling credits, and links to the home page and the
// mail address. Created for each showing and destroyed when it closes.

#include <QDialog>

namespace quorvel {

class CreditsPanel;

// The home page the program links to; also in the Help menu of the main window.
inline constexpr const char* HomePageAddress = "https://quorvel.org/";
inline constexpr const char* MailAddress = "info@quorvel.org";

class AboutDialog : public QDialog {
    Q_OBJECT

public:
    explicit AboutDialog(QWidget* parent = nullptr);

    // Shows the box modally; it destroys itself when closed.
    void Open();

    // OK, and Enter anywhere in the box (OK is its default button).
    void Accept();
    void OpenHomePage();
    void WriteMail();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    CreditsPanel* credits_;
};

} // namespace quorvel
