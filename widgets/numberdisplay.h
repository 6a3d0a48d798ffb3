// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The number display: a value text laid out with thousands grouping or as a mantissa with a
// raised power of ten, drawn right-aligned on its parent's background. The text is drawn in the
// control's font, made just small enough to fit the control's width where the text shown needs
// it: a number is never cut, whatever the font size, and an everyday number keeps the font.

#include <QString>
#include <QWidget>

namespace quorvel {

class NumberDisplay : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Text READ Text WRITE SetText)
    Q_PROPERTY(bool GroupsThousands READ GroupsThousands WRITE SetGroupsThousands)

public:
    explicit NumberDisplay(QWidget* parent = nullptr);

    // The displayed number without thousands separators, e.g. 1234,5.
    QString Text() const;
    // Lays the text out and repaints; nothing happens when it is the text shown already.
    // Throws EConvertError when the text is no number, keeping what is shown.
    void SetText(const QString& text);
    // The text as laid out for display, separators included.
    const QString& DisplayedText() const { return displayText_; }
    // The text as a reader should hear it: an exponent as "× 10^" and the exponent.
    QString ReadableText() const;

    // The width of the text as drawn, in pixels.
    int DrawnTextWidth() const;
    // The font the text is drawn in.
    const QFont& DrawingFont() const;

    bool GroupsThousands() const { return thouSep_; }
    // Takes effect with the next SetText.
    void SetGroupsThousands(bool grouped);

signals:
    // A new text is shown.
    void TextShown();

protected:
    void paintEvent(QPaintEvent* event) override;
    void changeEvent(QEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Finds the drawing font when it is needed, after a change of the font or the size: a
    // display in a window that is never shown never measures anything.
    void FitFont() const;

    QString displayText_;
    mutable QFont drawingFont_;
    mutable bool fitted_ = false;
    bool thouSep_ = false;
};

} // namespace quorvel
