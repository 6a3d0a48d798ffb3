// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: 23 group buttons, the value being converted, the two unit pickers with the
// arrow buttons that convert between them, the status bar with the last conversion, and the
// field that finds units and runs typed conversions (ui/converter/unitsearchfield.h).

#include "core/unitsdatabase.h"

#include <QMainWindow>
#include <array>
#include <functional>
#include <string>
#include <vector>

class QAction;
class QComboBox;
class QFrame;
class QMenu;
class QPushButton;
class QScrollArea;
class QTextDocument;
class QToolButton;

namespace quorvel {

class ErrorBalloon;
class GroupButton;
class ElidedLabel;
class NumberDisplay;
class UnitSearchField;
struct ConversionResult;
enum class Picture;

// The windows the main window opens. The program's owner provides those that exist; the
// controls that open a missing one are disabled.
struct MainWindowLinks {
    std::function<void()> inputNumber;
    std::function<void()> calculator;
    std::function<void()> unitsList;
    std::function<void()> report;
    std::function<void()> preferences;
    std::function<void()> helpContents;
    std::function<void()> about;
};

class MainWindow : public QMainWindow {
    Q_OBJECT

public:
    // Conversion lines are appended to `report`, which the report window shows; refusals are
    // shown with `errorHint`.
    MainWindow(UnitsDatabase database, QTextDocument* report, ErrorBalloon& errorHint,
               MainWindowLinks links = {}, QWidget* parent = nullptr);

    long double CurrentValue() const { return currentValue_; }
    // The one way to change the value: ValueDisplay shows it at once, so the display never shows
    // another value than the one the next conversion converts. Throws EConvertError, changing
    // neither, for a value that has no number text.
    void SetCurrentValue(long double value);
    NumberDisplay* ValueDisplay() const { return valueDisplay_; }
    const QString& GroupName() const { return groupName_; }
    const std::vector<std::string>& FactorList() const { return factorList_; }
    int ListTarget() const { return listTarget_; }
    // The unit picker a units list target names: 2 the lower one, any other the upper one.
    QComboBox* Picker(int target) const { return target == 2 ? lowerPicker_ : upperPicker_; }

    // Group button k (from 0).
    GroupButton* GroupButtonAt(int k) const { return groupButtons_.at(k); }

    // Fills the 23 group buttons and the Units menu from the group list.
    void SetGroupButtons();
    // After a group's files and its line in the group list took a new name: the buttons show
    // it, and so does the status bar when it is the loaded group.
    void GroupRenamed(const QString& oldName, const QString& newName);
    // Loads the group whose name the button shows.
    void LoadGroupOf(GroupButton* sender);
    // Menu item k acts as group button k.
    void OnGroupMenuItem(QAction* sender);
    // Loads a group by name as its button does; a group past the 23rd slot, which has no
    // button, loads too.
    void LoadGroup(const QString& name);
    // Shows a conversion as the arrows show theirs: the value, the status bar, the report.
    void ShowConversion(const ConversionResult& result);
    void ConvertLowerToUpper();
    void ConvertUpperToLower();
    void Copy();
    void Paste();
    // Has screen readers speak the value shown, after a window handed a new one back.
    void AnnounceValue();

signals:
    // A group was loaded (or failed to load, with no names): the units list shows these names.
    void UnitsLoaded(const QStringList& names);

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    QWidget* CreateGroupPanel();
    QWidget* CreateToolBar();
    QWidget* CreateValuePanel();
    QWidget* CreateConversionPanel();
    void CreateStatusBar();
    void SetTabOrder();
    QToolButton* ToolButton(const char* name, const QString& hint, Picture picture,
                            const std::function<void()>& action);
    QAction* MenuAction(QMenu* menu, const char* name, const QString& text,
                        const std::function<void()>& action);
    void ShowGroupsAndLoadFirst();
    void ShowStatusLine(const QString& line);
    void ShowDatabaseNotice();
    // The loaded group's name, in the status bar too.
    void ShowGroupName(const QString& name);
    void MarkLoadedSlot(GroupButton* loaded);
    // Fills the pickers, the factors and the units list from the group's files.
    void LoadUnits(const QString& name);
    // The value's colour, from the palette: navy, or a lighter navy on a dark panel.
    void ApplyColours();
    void Convert(QComboBox* source, QComboBox* target);
    // Shows the value again, in the separators of a changed locale.
    void ShowValue();
    void OpenUnitsList(int target);
    void OpenHomePage();

    UnitsDatabase database_;
    QTextDocument* report_;
    ErrorBalloon& balloon_;
    MainWindowLinks links_;

    long double currentValue_ = 0;
    QString groupName_;
    std::vector<std::string> factorList_;
    int listTarget_ = 1;
    bool shown_ = false;

    UnitSearchField* search_ = nullptr;
    std::array<GroupButton*, GroupSlotCount> groupButtons_{};
    std::array<QAction*, GroupSlotCount> groupActions_{};
    QScrollArea* groupPanel_ = nullptr;
    QFrame* valuePanel_ = nullptr;
    NumberDisplay* valueDisplay_ = nullptr;
    QToolButton* calculatorButton_ = nullptr;
    QToolButton* upperListButton_ = nullptr;
    QToolButton* lowerListButton_ = nullptr;
    QComboBox* upperPicker_ = nullptr;
    QComboBox* lowerPicker_ = nullptr;
    QPushButton* upButton_ = nullptr;
    QPushButton* downButton_ = nullptr;
    ElidedLabel* groupLabel_ = nullptr;
    ElidedLabel* lineLabel_ = nullptr;
};

} // namespace quorvel
