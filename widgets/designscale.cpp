// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/designscale.h"

#include <QFontMetricsF>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QStyleOptionButton>
#include <algorithm>
#include <cmath>

namespace quorvel {

namespace {

constexpr qreal DesignedLineSpacing = 14;

// How much wider the button must be to show its caption and icon whole.
int MissingWidth(const QPushButton* button) {
    QStyleOptionButton option;
    option.initFrom(button);
    const int room =
        button->style()->subElementRect(QStyle::SE_PushButtonContents, &option, button).width();
    const int icon = button->icon().isNull() ? 0 : button->iconSize().width() + 4;
    const int needed =
        button->fontMetrics().horizontalAdvance(QString(button->text()).remove('&')) + icon;
    return std::max(0, needed - room);
}

} // namespace

DesignScale::DesignScale(const QFont& font)
    : factor_(std::max<qreal>(1, QFontMetricsF(font).lineSpacing() / DesignedLineSpacing)) {}

int DesignScale::operator()(int length) const {
    return static_cast<int>(std::lround(length * factor_));
}

QSize DesignScale::operator()(const QSize& size) const {
    return {(*this)(size.width()), (*this)(size.height())};
}

QRect DesignScale::operator()(const QRect& rect) const {
    const int left = (*this)(rect.left()), top = (*this)(rect.top());
    return {left, top, (*this)(rect.left() + rect.width()) - left,
            (*this)(rect.top() + rect.height()) - top};
}

QFont DesignScale::PixelFont(const QFont& base, int designedPixels, bool bold) const {
    QFont font = base;
    font.setPixelSize((*this)(designedPixels));
    font.setBold(bold);
    return font;
}

void PlaceButtonRow(const QList<QPushButton*>& row, const DesignScale& scale, int left, int top) {
    for (qsizetype k = 0; k < row.size(); ++k) {
        row[k]->setAutoDefault(true);
        row[k]->setGeometry(scale(QRect(left + 80 * static_cast<int>(k), top, 75, 26)));
    }
    FitButtonRow(row);
}

void KeepWithinScreen(QWidget* window) {
    const QScreen* screen = window->screen();
    if (!screen)
        return;
    const QRect room = screen->availableGeometry();
    // The window manager's frame is known once the window was shown; before, room for a title bar.
    const QRect inner = window->geometry(), outer = window->frameGeometry();
    QMargins frame(inner.left() - outer.left(), inner.top() - outer.top(),
                   outer.right() - inner.right(), outer.bottom() - inner.bottom());
    if (frame.isNull()) {
        const int border = window->style()->pixelMetric(QStyle::PM_DefaultFrameWidth) + 2;
        frame = QMargins(border, window->style()->pixelMetric(QStyle::PM_TitleBarHeight), border,
                         border);
    }
    const QSize most = room.size().shrunkBy(frame);
    if (window->width() > most.width() || window->height() > most.height()) {
        window->setMinimumSize(window->minimumSize().boundedTo(most));
        window->setMaximumSize(window->maximumSize().boundedTo(most));
        window->resize(window->size().boundedTo(most));
    }
    if (!window->testAttribute(Qt::WA_Moved))
        return; // the window manager places it within the screen
    // By how much it reaches over the edges, with its frame. The geometry without the frame
    // means the same before and after the window manager's frame is known; a position may not.
    const QRect whole = window->geometry().marginsAdded(frame);
    const int dx = std::max(room.left() - whole.left(), std::min(0, room.right() - whole.right()));
    const int dy = std::max(room.top() - whole.top(), std::min(0, room.bottom() - whole.bottom()));
    if (dx != 0 || dy != 0)
        window->setGeometry(window->geometry().translated(dx, dy));
}

void FitButtonRow(const QList<QPushButton*>& row) {
    if (row.isEmpty())
        return;
    QList<int> gaps; // between each button and the next
    for (qsizetype k = 0; k + 1 < row.size(); ++k)
        gaps << row[k + 1]->x() - (row[k]->x() + row[k]->width());
    int right = row.last()->x() + row.last()->width();
    for (qsizetype k = row.size() - 1; k >= 0; --k) {
        QPushButton* button = row[k];
        const int width = button->width() + MissingWidth(button);
        button->setGeometry(right - width, button->y(), width, button->height());
        if (k > 0)
            right = button->x() - gaps[k - 1];
    }
}

} // namespace quorvel
