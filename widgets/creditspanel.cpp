// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/creditspanel.h"

#include "widgets/accessibility.h"

#include <QPainter>
#include <algorithm>

namespace quorvel {

namespace {
constexpr int StepMilliseconds = 40;
}

CreditsPanel::CreditsPanel(QWidget* parent) : QWidget(parent) {
    // Readers read the credits as one text, whatever has scrolled into view.
    SetAccessibleFace(this, {QAccessible::StaticText,
                             [this] {
                                 QStringList shown = lines_;
                                 shown.removeAll(QString());
                                 return shown.join('\n');
                             },
                             [this] { return accessibleName(); },
                             {},
                             {}});
    setAutoFillBackground(true);
    timer_.setInterval(StepMilliseconds);
    connect(&timer_, &QTimer::timeout, this, &CreditsPanel::Step);
}

void CreditsPanel::SetLines(const QStringList& lines) {
    lines_ = lines;
    offset_ = 0;
    update();
    NotifyFaceChanged(this);
}

void CreditsPanel::Start() {
    timer_.start();
}

void CreditsPanel::Stop() {
    timer_.stop();
}

// The distance after which the picture repeats: the panel's height plus the text's.
int CreditsPanel::Cycle() const {
    return height() + fontMetrics().lineSpacing() * static_cast<int>(lines_.size());
}

void CreditsPanel::Step() {
    offset_ = (offset_ + 1) % std::max(Cycle(), 1);
    update();
}

QSize CreditsPanel::sizeHint() const {
    const QFontMetrics metrics = fontMetrics();
    int widest = 0;
    for (const QString& line : lines_)
        widest = std::max(widest, metrics.horizontalAdvance(line));
    return {widest + 2 * metrics.averageCharWidth(),
            metrics.lineSpacing() * static_cast<int>(lines_.size())};
}

void CreditsPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.setPen(palette().color(QPalette::WindowText));
    const int lineHeight = fontMetrics().lineSpacing();
    int y = height() - offset_;
    for (const QString& line : lines_) {
        painter.drawText(QRect(0, y, width(), lineHeight), Qt::AlignHCenter | Qt::AlignVCenter,
                         line);
        y += lineHeight;
    }
}

} // namespace quorvel
