// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The About box: the emblem, endlessly scrolling credits, and links to the home page and the
// mail address. Created for each showing and destroyed when it closes.

#include <QDialog>

namespace quorvel {

class TCreditsPanel;

// The home page the program links to; also in the Help menu of the main window.
inline constexpr const char* HomePageAddress = "https://quorvel.org/";
inline constexpr const char* MailAddress = "info@quorvel.org";

class TFormAbout : public QDialog {
    Q_OBJECT

public:
    explicit TFormAbout(QWidget* parent = nullptr);

    // Shows the box modally; it destroys itself when closed.
    void Open();

    // OK, and Enter anywhere in the box (OK is its default button).
    void hbOKClick();
    void RxlbURLClick();
    void RxlbMailClick();

protected:
    void showEvent(QShowEvent* event) override;
    void hideEvent(QHideEvent* event) override;

private:
    TCreditsPanel* spAbout_;
};

} // namespace quorvel
