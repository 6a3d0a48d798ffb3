#include "widgets/droplist.h"

namespace quorvel {

TDropList::TDropList(QWidget* parent) : QComboBox(parent) {}

// The style sheet's rule takes effect when the list first opens: applied at creation, it has every
// style sheet rule matched against the control and its list built before the window first shows.
void TDropList::showPopup() {
    if (styleSheet().isEmpty())
        setStyleSheet("QComboBox { combobox-popup: 0; }");
    QComboBox::showPopup();
}

} // namespace quorvel
