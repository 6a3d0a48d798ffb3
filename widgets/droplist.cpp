// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/droplist.h"

#include <QAbstractItemView>
#include <QAccessibleWidget>

namespace quorvel {

namespace {

constexpr int LeastCharacters = 10; // the room it asks for whatever its items

// A drop-down list as readers see it: a combo box named by its label, whose text is the item
// chosen, so that a reader says the choice with the name ("Upper unit, inch, combo box"). Qt's
// own face has no text, and readers that take a combo box's value from its text say none.
class DropListAccessible : public QAccessibleWidget, public QAccessibleTextInterface {
public:
    explicit DropListAccessible(QComboBox* box) : QAccessibleWidget(box, QAccessible::ComboBox) {}

    QString text(QAccessible::Text t) const override {
        return t == QAccessible::Value ? Shown() : QAccessibleWidget::text(t);
    }
    QAccessible::State state() const override {
        QAccessible::State state = QAccessibleWidget::state();
        state.expandable = true;
        state.expanded = Box()->view()->isVisible();
        state.collapsed = !state.expanded;
        return state;
    }

    // The open list, as the items a reader walks through.
    int childCount() const override { return 1; }
    QAccessibleInterface* child(int index) const override {
        return index == 0 ? QAccessible::queryAccessibleInterface(Box()->view()) : nullptr;
    }
    int indexOfChild(const QAccessibleInterface* child) const override {
        return child && child->object() == Box()->view() ? 0 : -1;
    }

    QStringList actionNames() const override { return {showMenuAction(), pressAction()}; }
    void doAction(const QString& name) override {
        if (name != showMenuAction() && name != pressAction())
            return;
        if (Box()->view()->isVisible())
            Box()->hidePopup();
        else
            Box()->showPopup();
    }
    QStringList keyBindingsForAction(const QString&) const override { return {}; }

    void* interface_cast(QAccessible::InterfaceType type) override {
        if (type == QAccessible::TextInterface)
            return static_cast<QAccessibleTextInterface*>(this);
        return QAccessibleWidget::interface_cast(type);
    }

    // The text, read only, without a caret or a selection.
    QString text(int startOffset, int endOffset) const override {
        return Shown().mid(startOffset, endOffset - startOffset);
    }
    int characterCount() const override { return static_cast<int>(Shown().size()); }
    void selection(int, int* startOffset, int* endOffset) const override {
        *startOffset = *endOffset = 0;
    }
    int selectionCount() const override { return 0; }
    void addSelection(int, int) override {}
    void removeSelection(int) override {}
    void setSelection(int, int, int) override {}
    int cursorPosition() const override { return 0; }
    void setCursorPosition(int) override {}
    QRect characterRect(int) const override { return {}; }
    int offsetAtPoint(const QPoint&) const override { return -1; }
    void scrollToSubstring(int, int) override {}
    QString attributes(int, int* startOffset, int* endOffset) const override {
        *startOffset = 0;
        *endOffset = characterCount();
        return {};
    }

private:
    QComboBox* Box() const { return static_cast<QComboBox*>(widget()); }
    QString Shown() const { return Box()->currentText(); }
};

QAccessibleInterface* DropListFactory(const QString& className, QObject* object) {
    if (className == QLatin1String(DropList::staticMetaObject.className()) && object &&
        object->isWidgetType())
        return new DropListAccessible(static_cast<QComboBox*>(object));
    return nullptr;
}

} // namespace

DropList::DropList(QWidget* parent) : QComboBox(parent) {
    static const bool installed = (QAccessible::installFactory(DropListFactory), true);
    Q_UNUSED(installed);
    setMinimumContentsLength(LeastCharacters);
}

QSize DropList::sizeHint() const {
    return minimumSizeHint();
}

// The style sheet's rule takes effect when the list first opens: applied at creation, it has every
// style sheet rule matched against the control and its list built before the window first shows.
void DropList::showPopup() {
    if (styleSheet().isEmpty())
        setStyleSheet("QComboBox { combobox-popup: 0; }");
    QComboBox::showPopup();
}

} // namespace quorvel
