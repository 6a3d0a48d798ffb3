// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The groups of the group list as the main window offers them: the first 23 as a column of
// buttons and as items of the Units menu, the others under that menu's "More groups". The one
// loaded is checked wherever it shows.

#include <QActionGroup>
#include <QScrollArea>
#include <string>
#include <vector>

class QAction;
class QMenu;

namespace quorvel {

class GroupButton;

// How many groups get a button: the column as the window is designed.
inline constexpr int GroupButtonCount = 23;

class GroupColumn : public QScrollArea {
    Q_OBJECT

public:
    // The menu items go into `menu`.
    explicit GroupColumn(QMenu* menu, QWidget* parent = nullptr);

    GroupButton* ButtonAt(int k) const { return buttons_.at(static_cast<size_t>(k)); }
    const std::vector<GroupButton*>& Buttons() const { return buttons_; }

    // The groups in list order: the buttons and items show them (a button without a group, its
    // number), the ones past the buttons in "More groups".
    void SetGroups(const std::vector<std::string>& groups);
    // Checks the button and items of the named group: the one of `chosen` when that shows it,
    // else the first that does.
    void MarkLoaded(const QString& name, const QObject* chosen = nullptr);

signals:
    // A button or item was chosen: its group is to be loaded.
    void groupChosen(const QString& name, QObject* chosenBy);

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateButtons();
    void CreateMenuItems();
    QAction* AddItem(QMenu* menu, const QString& name);
    // The text of a group's item, cut short where it is long.
    QString ItemText(const QString& name) const;
    // The group at a place of the list: a button's, or one in "More groups".
    QString GroupAt(size_t k) const;
    bool IsChosenAt(size_t k, const QObject* chosen) const;

    QMenu* menu_;
    QMenu* moreGroups_ = nullptr;
    QActionGroup loadedItem_{this}; // one item checked at a time
    std::vector<GroupButton*> buttons_;
    std::vector<QAction*> items_;     // parallel to the buttons
    std::vector<QAction*> moreItems_; // the groups past the buttons
    std::vector<QString> moreGroupNames_;
};

} // namespace quorvel
