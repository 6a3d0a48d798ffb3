#pragma once

// A drop-down list whose open list scrolls after its most visible items, where some styles would
// show every item at once, over the whole screen if need be.

#include <QComboBox>

namespace quorvel {

class TDropList : public QComboBox {
    Q_OBJECT

public:
    explicit TDropList(QWidget* parent = nullptr);

    void showPopup() override;
};

} // namespace quorvel
