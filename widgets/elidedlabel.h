// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A label for a line that may be longer than the room it has, such as a status bar panel: it
// shows the whole line where it fits and the line cut short with an ellipsis where it does not,
// with the whole line as its tool tip. Screen readers always read the whole line.

#include <QLabel>

namespace quorvel {

class ElidedLabel : public QLabel {
    Q_OBJECT

public:
    explicit ElidedLabel(QWidget* parent = nullptr);

    const QString& FullText() const { return fullText_; }
    void SetFullText(const QString& text);

protected:
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowText();

    QString fullText_;
};

} // namespace quorvel
