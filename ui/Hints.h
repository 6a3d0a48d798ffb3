#pragma once

// Error hints: a small orange balloon just below the control a message concerns. It never takes
// the focus and closes at the user's next key or mouse press, which still reaches its target.
// One balloon serves the whole program.

#include "calc/errors.h"

#include <QString>
#include <QWidget>

namespace quorvel {

class EHintError : public Error {
public:
    using Error::Error;
};

// A caption-less popup that stays on top without becoming active. While shown, it watches every
// event of the application through an event filter on the application object and hides at the
// first one that IsHintMsg accepts; the watch never consumes an event.
class TCustomHintWindow : public QWidget {
    Q_OBJECT

public:
    explicit TCustomHintWindow(QWidget* parent = nullptr);
    ~TCustomHintWindow() override;

    // Shows the text in the rectangle (screen coordinates), held within the desktop.
    void ActivateHint(QRect rect, const QString& text);
    // Whether an event closes the balloon: presses of keys and mouse buttons, the wheel, and
    // the application becoming active or inactive; releases and moves do not.
    virtual bool IsHintMsg(const QEvent* event) const;
    bool IsWatching() const { return watching_; }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    void paintEvent(QPaintEvent* event) override;

private:
    void StopWatching();

    bool watching_ = false;
};

class TErrorHintWindow : public TCustomHintWindow {
    Q_OBJECT

public:
    // Becomes the program's error hint window for as long as it lives.
    explicit TErrorHintWindow(QWidget* parent = nullptr);
    ~TErrorHintWindow() override;

    static TErrorHintWindow* Instance();

protected:
    void paintEvent(QPaintEvent* event) override;
};

// Shows the message under the control and gives the control the focus. Throws EHintError
// without a control or without an error hint window.
void ShowErrorHint(QWidget* control, const QString& text);

} // namespace quorvel
