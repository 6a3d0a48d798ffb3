// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window: 23 group buttons, the value being converted, the two unit pickers with the
// arrow buttons that convert between them, the status bar with the last conversion, and the
// field that finds units and runs typed conversions (ui/UnitSearch.h).

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

class TErrorHintWindow;
class TGroupButton;
class TElidedLabel;
class TQZCalcIndicator;
class TUnitSearch;
struct ConversionResult;
enum class Picture;

// The windows the main window opens. The program's owner provides those that exist; the
// controls that open a missing one are disabled.
struct TMFormLinks {
    std::function<void()> inputNumber;
    std::function<void()> calculator;
    std::function<void()> unitsList;
    std::function<void()> report;
    std::function<void()> preferences;
    std::function<void()> helpContents;
    std::function<void()> about;
};

class TMForm : public QMainWindow {
    Q_OBJECT

public:
    // Conversion lines are appended to `report`, which the report window shows; refusals are
    // shown with `errorHint`.
    TMForm(UnitsDatabase database, QTextDocument* report, TErrorHintWindow& errorHint,
           TMFormLinks links = {}, QWidget* parent = nullptr);

    long double CurrentValue() const { return currentValue_; }
    // The one way to change the value: MainInd shows it at once, so the display never shows
    // another value than the one the next conversion converts. Throws EConvertError, changing
    // neither, for a value that has no number text.
    void SetCurrentValue(long double value);
    TQZCalcIndicator* MainInd() const { return mainInd_; }
    const QString& GroupName() const { return groupName_; }
    const std::vector<std::string>& FactorList() const { return factorList_; }
    int ListTarget() const { return listTarget_; }
    // The unit picker a units list target names: 2 the lower one, any other the upper one.
    QComboBox* UnitPicker(int target) const { return target == 2 ? cb2_ : cb1_; }

    // Group button k (from 0).
    TGroupButton* GroupButton(int k) const { return ab_.at(k); }

    // Fills the 23 group buttons and the Units menu from the group list.
    void SetGroupButtons();
    // After a group's files and its line in the group list took a new name: the buttons show
    // it, and so does the status bar when it is the loaded group.
    void GroupRenamed(const QString& oldName, const QString& newName);
    // Loads the group whose name the button shows.
    void ab1Click(TGroupButton* sender);
    // Menu item k acts as group button k.
    void mi1Click(QAction* sender);
    // Loads a group by name as its button does; a group past the 23rd slot, which has no
    // button, loads too.
    void LoadGroup(const QString& name);
    // Shows a conversion as the arrows show theirs: the value, the status bar, the report.
    void ShowConversion(const ConversionResult& result);
    void bbUpClick();
    void bbDownClick();
    void miCopyClick();
    void miPasteClick();
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
    void FormShow();
    void ShowStatusLine(const QString& line);
    void ShowDatabaseNotice();
    // The loaded group's name, in the status bar too.
    void ShowGroupName(const QString& name);
    void MarkLoadedSlot(TGroupButton* loaded);
    // Fills the pickers, the factors and the units list from the group's files.
    void LoadUnits(const QString& name);
    // The value's colour, from the palette: navy, or a lighter navy on a dark panel.
    void ApplyColours();
    void Convert(QComboBox* source, QComboBox* target);
    // Shows the value again, in the separators of a changed locale.
    void ShowValue();
    void OpenUnitsList(int target);
    void HomePage1Click();

    UnitsDatabase database_;
    QTextDocument* report_;
    TErrorHintWindow& errorHint_;
    TMFormLinks links_;

    long double currentValue_ = 0;
    QString groupName_;
    std::vector<std::string> factorList_;
    int listTarget_ = 1;
    bool shown_ = false;

    TUnitSearch* search_ = nullptr;
    std::array<TGroupButton*, GroupSlotCount> ab_{};
    std::array<QAction*, GroupSlotCount> mi_{};
    QScrollArea* groupPanel_ = nullptr;
    QFrame* pnOut_ = nullptr;
    TQZCalcIndicator* mainInd_ = nullptr;
    QToolButton* bbCalc_ = nullptr;
    QToolButton* speedButton2_ = nullptr;
    QToolButton* speedButton3_ = nullptr;
    QComboBox* cb1_ = nullptr;
    QComboBox* cb2_ = nullptr;
    QPushButton* bbUp_ = nullptr;
    QPushButton* bbDown_ = nullptr;
    TElidedLabel* groupLabel_ = nullptr;
    TElidedLabel* lineLabel_ = nullptr;
};

} // namespace quorvel
