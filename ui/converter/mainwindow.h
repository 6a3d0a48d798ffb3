// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window, the face of the converter: the group column, the value being converted, the
// two unit pickers with the arrow buttons that convert between them, the status bar with the
// last conversion, and the field that finds units and runs typed conversions. It shows every
// change of the converter, wherever it was made.

#include "core/converter.h"

#include <QMainWindow>
#include <QPointer>
#include <functional>

class QAction;
class QComboBox;
class QFrame;
class QMenu;
class QPushButton;
class QTextDocument;
class QToolButton;

namespace quorvel {

class ConverterSession;
class ElidedLabel;
class ErrorBalloon;
class GroupButton;
class GroupColumn;
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
    // shown with `balloon`.
    MainWindow(ConverterSession& converter, QTextDocument* report, ErrorBalloon& balloon,
               MainWindowLinks links = {}, QWidget* parent = nullptr);

    NumberDisplay* ValueDisplay() const { return valueDisplay_; }
    GroupButton* GroupButtonAt(int k) const;

    // Reads the group list again into the group column and the Units menu.
    void ReadGroupList();
    // Loads the group of the first group button.
    void LoadFirstGroup();
    // After a group's files and its line in the group list took a new name: the buttons show
    // it, and so does the status bar when it is the loaded group.
    void GroupRenamed(const QString& oldName, const QString& newName);
    void ConvertLowerToUpper();
    void ConvertUpperToLower();
    void Copy();
    void Paste();
    // Has screen readers speak the value shown, after a window handed a new one back.
    void AnnounceValue();

protected:
    void showEvent(QShowEvent* event) override;
    void changeEvent(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void CreateMenus();
    QWidget* CreateToolBar();
    QWidget* CreateValuePanel();
    QWidget* CreateConversionPanel();
    QComboBox* CreatePicker(const char* name, PickerSide side);
    void CreateStatusBar();
    void SetTabOrder();
    void ConnectConverter();
    QToolButton* ToolButton(const char* name, const QString& hint, Picture picture,
                            const std::function<void()>& action);
    QAction* MenuAction(QMenu* menu, const char* name, const QString& text,
                        const std::function<void()>& action);
    QComboBox* Picker(PickerSide side) const;

    void ShowGroupsAndLoadFirst();
    void LoadGroupChosen(const QString& name, QObject* chosenBy);
    void ShowStatusLine(const QString& line);
    void ShowDatabaseNotice();
    // The loaded group's name, in the status bar.
    void ShowGroupName(const QString& name);
    // The converter's loaded group: its button checked, its units in the pickers.
    void ShowLoadedGroup(const QString& failure);
    void ShowChosenUnit(PickerSide side);
    // Shows the value again, in the separators of a changed locale too.
    void ShowValue();
    // The value's colour, from the palette: navy, or a lighter navy on a dark panel.
    void ApplyColours();
    void ShowConversion(const ConversionResult& result);
    void ShowRefusal(const QString& reason);
    void OpenUnitsList(PickerSide side);
    void OpenHomePage();

    ConverterSession& converter_;
    QTextDocument* report_;
    ErrorBalloon& balloon_;
    MainWindowLinks links_;
    bool shown_ = false;
    QPointer<QObject> chosenBy_; // the button or menu item that chose the loaded group

    GroupColumn* groups_ = nullptr;
    UnitSearchField* search_ = nullptr;
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
