// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A panel of text lines that scroll upwards without end: after the last line has left the top,
// the first comes in again from the bottom. Colours are the palette's window and text colours.

#include <QStringList>
#include <QTimer>
#include <QWidget>

namespace quorvel {

class CreditsPanel : public QWidget {
    Q_OBJECT

public:
    explicit CreditsPanel(QWidget* parent = nullptr);

    void SetLines(const QStringList& lines);
    const QStringList& Lines() const { return lines_; }
    void Start();
    void Stop();
    bool IsScrolling() const { return timer_.isActive(); }
    // How far the text has moved up, in pixels; 0 puts the first line just below the bottom.
    int Offset() const { return offset_; }
    // Moves the text up by one pixel.
    void Step();
    // Room for every line at once, the widest with a letter's width to spare at each side.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    int Cycle() const;

    QStringList lines_;
    QTimer timer_;
    int offset_ = 0;
};

} // namespace quorvel
