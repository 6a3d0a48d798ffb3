// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/converter/groupcolumn.h"

#include "widgets/accessibility.h"
#include "widgets/groupbutton.h"

#include <QAction>
#include <QEvent>
#include <QMenu>
#include <QStyle>
#include <QVBoxLayout>
#include <algorithm>
#include <optional>

namespace quorvel {

namespace {

constexpr int ColumnWidth = 152;
// The longest name of the delivered groups that have buttons, which the column always has room
// for; a longer name on a button shows cut short, whole in its tool tip.
const char* const WidestDeliveredGroup = "Kinematic viscosity";
constexpr int MenuItemChars = 40; // a longer name is cut short in the Units menu

// A group button's name while it has no group: "Group 3".
QString NumberedGroup(int k) {
    //: A group button without a group, as screen readers name it: %1 is its place, 1 to 23.
    return GroupColumn::tr("Group %1").arg(k + 1);
}

} // namespace

GroupColumn::GroupColumn(QMenu* menu, QWidget* parent) : QScrollArea(parent), menu_(menu) {
    setObjectName("pnGroups");
    SetAccessibleFace(this, {QAccessible::Grouping, {}, {}, {}, {}});
    //: The column of group buttons, as screen readers name it.
    setAccessibleName(tr("Groups"));
    setFocusPolicy(Qt::NoFocus); // the buttons take the focus, not their frame
    const int buttonMargins = 2 * style()->pixelMetric(QStyle::PM_ButtonMargin) + 16;
    const int scrollBar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    setFixedWidth(std::max(ColumnWidth, fontMetrics().horizontalAdvance(WidestDeliveredGroup) +
                                            buttonMargins + scrollBar + 8));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setWidgetResizable(true);
    CreateButtons();
    CreateMenuItems();
}

void GroupColumn::CreateButtons() {
    auto* column = new QWidget;
    auto* layout = new QVBoxLayout(column);
    layout->setContentsMargins(2, 2, 2, 2);
    layout->setSpacing(1);
    for (int k = 0; k < GroupButtonCount; ++k) {
        auto* button = new GroupButton;
        button->setObjectName(QString("ab%1").arg(k + 1));
        button->setAccessibleName(NumberedGroup(k));
        button->setFixedHeight(std::max(23, button->QPushButton::sizeHint().height()));
        button->installEventFilter(this); // keeps the focused button scrolled into view
        connect(button, &QPushButton::clicked, this,
                [this, button] { emit groupChosen(button->GroupName(), button); });
        layout->addWidget(button);
        buttons_.push_back(button);
    }
    layout->addStretch();
    setWidget(column);
}

void GroupColumn::CreateMenuItems() {
    menu_->setToolTipsVisible(true); // the whole name of a group whose name is cut short
    for (int k = 0; k < GroupButtonCount; ++k) {
        QAction* item = AddItem(menu_, QString::number(k + 1));
        item->setObjectName(QString("mi%1").arg(k + 1));
        const GroupButton* button = buttons_[static_cast<size_t>(k)];
        connect(item, &QAction::triggered, this,
                [this, button, item] { emit groupChosen(button->GroupName(), item); });
        items_.push_back(item);
    }
    //: Submenu of the Units menu with the groups that have no button, past the 23rd.
    moreGroups_ = menu_->addMenu(tr("More groups"));
    moreGroups_->setObjectName("miMoreGroups");
    moreGroups_->setToolTipsVisible(true);
    moreGroups_->menuAction()->setVisible(false);
}

QAction* GroupColumn::AddItem(QMenu* menu, const QString& text) {
    QAction* item = menu->addAction(text);
    item->setCheckable(true);
    loadedItem_.addAction(item);
    return item;
}

QString GroupColumn::ItemText(const QString& name) const {
    return fontMetrics().elidedText(name, Qt::ElideRight,
                                    fontMetrics().averageCharWidth() * MenuItemChars);
}

void GroupColumn::SetGroups(const std::vector<std::string>& groups) {
    for (int k = 0; k < GroupButtonCount; ++k) {
        const size_t at = static_cast<size_t>(k);
        const QString group = at < groups.size() ? QString::fromStdString(groups[at]) : QString();
        const QString name = OneLine(group);
        buttons_[at]->SetGroupName(group);
        buttons_[at]->setAccessibleName(name.isEmpty() ? NumberedGroup(k) : name);
        const QString item = ItemText(name);
        items_[at]->setText(AsCaption(item));
        items_[at]->setToolTip(item == name ? QString() : name);
    }
    for (QAction* item : moreItems_)
        delete item;
    moreItems_.clear();
    moreGroupNames_.clear();
    for (size_t k = GroupButtonCount; k < groups.size(); ++k) {
        const QString group = QString::fromStdString(groups[k]);
        const QString name = OneLine(group);
        const QString text = ItemText(name);
        QAction* item = AddItem(moreGroups_, AsCaption(text));
        item->setObjectName(QString("mi%1").arg(k + 1));
        item->setToolTip(text == name ? QString() : name);
        connect(item, &QAction::triggered, this,
                [this, group, item] { emit groupChosen(group, item); });
        moreItems_.push_back(item);
        moreGroupNames_.push_back(group);
    }
    moreGroups_->menuAction()->setVisible(!moreItems_.empty());
}

QString GroupColumn::GroupAt(size_t k) const {
    return k < buttons_.size() ? buttons_[k]->GroupName() : moreGroupNames_[k - buttons_.size()];
}

bool GroupColumn::IsChosenAt(size_t k, const QObject* chosen) const {
    if (k < buttons_.size())
        return chosen == buttons_[k] || chosen == items_[k];
    return chosen == moreItems_[k - buttons_.size()];
}

// Not an exclusive button group: that would take the buttons out of the Tab order but for the
// checked one.
void GroupColumn::MarkLoaded(const QString& name, const QObject* chosen) {
    const size_t count = buttons_.size() + moreItems_.size();
    std::optional<size_t> loaded;
    for (size_t k = 0; k < count && !loaded; ++k) {
        if (chosen && IsChosenAt(k, chosen) && GroupAt(k) == name)
            loaded = k;
    }
    for (size_t k = 0; k < count && !loaded; ++k) {
        if (GroupAt(k) == name)
            loaded = k;
    }
    for (size_t k = 0; k < buttons_.size(); ++k) {
        buttons_[k]->setChecked(loaded == k);
        items_[k]->setChecked(loaded == k);
    }
    for (size_t k = 0; k < moreItems_.size(); ++k)
        moreItems_[k]->setChecked(loaded == buttons_.size() + k);
}

bool GroupColumn::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::FocusIn) {
        if (auto* button = qobject_cast<QPushButton*>(watched))
            ensureWidgetVisible(button);
    }
    return QScrollArea::eventFilter(watched, event);
}

} // namespace quorvel
