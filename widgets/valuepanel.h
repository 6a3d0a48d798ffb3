#pragma once

// A white panel with a thin rounded border that turns blue while it has the focus: the frame
// around the main window's value.

#include <QFrame>

namespace quorvel {

class TValuePanel : public QFrame {
    Q_OBJECT

public:
    explicit TValuePanel(QWidget* parent = nullptr);

protected:
    void paintEvent(QPaintEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
};

} // namespace quorvel
