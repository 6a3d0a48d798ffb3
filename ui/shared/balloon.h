// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Error hints: a small orange balloon just below the control a message concerns, within the
// control's window. It never takes the focus and closes at the user's next key or mouse press,
// which but for Esc still reaches its target, when its window hides, or when another window
// opens over it.
// One balloon serves the whole program.

#include "calc/errors.h"

#include <QEvent>
#include <QList>
#include <QPointF>
#include <QPointer>
#include <QString>
#include <QWidget>

namespace quorvel {

class EBalloonError : public Error {
public:
    using Error::Error;
};

// A caption-less popup that stays on top without becoming active. It sees every event of the
// application through an event filter on the application object, and while shown hides at the
// first one that IsClosingEvent accepts, when the window it was shown for hides, or when another
// window shows (a window opened without a press, as a screen reader's action opens it, would
// otherwise lie under it). The watch lets every press go on to its target but Esc: Esc that
// closes a balloon closes nothing else, so a dialog that Esc would close keeps what the user did
// in it, unless Esc acts in the window (LetEscapeActIn). The press that raised the balloon never
// closes it, not even when its target leaves it to the target's parents.
class Balloon : public QWidget {
    Q_OBJECT

public:
    explicit Balloon(QWidget* parent = nullptr);
    ~Balloon() override;

    // Shows the text in the rectangle (screen coordinates), held within the window's rectangle
    // where one is given, and within the desktop.
    void ShowAt(QRect rect, const QString& text, const QRect& window = {});
    // Whether an event closes the balloon: presses of keys and mouse buttons, the wheel, and
    // the application becoming active or inactive; releases and moves do not.
    bool IsClosingEvent(const QEvent* event) const;
    bool IsWatching() const { return watching_; }
    // In this window Esc is an action of its own (the calculator's Clear), not a way out: the Esc
    // that closes a balloon goes on to it.
    void LetEscapeActIn(QWidget* window);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;
    // The window whose hiding closes the balloon shown now.
    void SetShownFor(QWidget* window) { shownFor_ = window; }
    // The balloon has just been hidden by a closing press, before the press reaches its target,
    // or as its window hides.
    virtual void Closed() {}

private:
    void Close();
    bool SwallowsEscape(QEvent* event);
    bool EscapeActsInFocusedWindow() const;

    // What tells one press of a key or mouse button from another: a press that its target
    // leaves unaccepted goes on to the target's parents as the same press (a key as the same
    // event, a mouse press as a copy with the same time and place).
    struct PressRecord {
        QEvent::Type type = QEvent::None;
        quint64 timestamp = 0;
        int code = 0; // key or mouse button
        int modifiers = 0;
        QPointF place;
        bool operator==(const PressRecord&) const = default;
    };
    static PressRecord PressOf(const QEvent* event);

    bool watching_ = false;
    PressRecord lastPress_;
    QPointer<QObject> lastTarget_;
    PressRecord raisedBy_; // the press being handled when the balloon was shown
    QPointer<QWidget> shownFor_;
    bool escapeHeld_ = false; // the Esc that closed the balloon is not released yet
    QList<QPointer<QWidget>> escapeActsIn_;
};

// Where the keyboard focus goes when a balloon closes.
enum class BalloonFocus {
    ReturnWhenClosed, // back to the control the user was using, so that typing goes on there
    StayOnControl,    // it stays on the control the message concerns
};

// The program's one error balloon. The program's owner creates it and hands it to every window
// that shows messages. Screen readers see it as an alert, and hear its text with the control it
// concerns.
class ErrorBalloon : public Balloon {
    Q_OBJECT

public:
    explicit ErrorBalloon(QWidget* parent = nullptr);

    // Shows the message under the control, its control characters escaped, and gives the
    // control the focus. Throws EBalloonError without a control.
    void ShowUnder(QWidget* control, const QString& message,
                   BalloonFocus focus = BalloonFocus::ReturnWhenClosed);

protected:
    void paintEvent(QPaintEvent* event) override;
    void Closed() override;

private:
    static QRect WindowAround(const QWidget* control);

    QPointer<QWidget> focusedControl_; // the control the balloon gave the focus to
    QPointer<QWidget> returnFocus_;    // and the one that had it before
};

} // namespace quorvel
