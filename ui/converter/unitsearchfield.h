// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main window's search field. As the user types, a list under it shows the matching units
// of every group, then those of a close spelling; Enter makes the unit the upper unit,
// Shift+Enter the lower one, loading its group when another is loaded. A typed conversion
// ("12 in to cm") shows its answer while it is typed and runs at Enter as the down arrow does:
// group, pickers, value, then the arrow's own conversion. A conversion between units of no one
// group ("20 kWh/100km to Wh/mi") converts the value alone and leaves the group and the pickers
// as they are.

#include "core/converter.h"
#include "core/sentence.h"
#include "core/unitsearch.h"

#include <QLineEdit>
#include <QPointer>
#include <QTimer>
#include <optional>
#include <vector>

class QFrame;
class QLabel;
class QListWidget;

namespace quorvel {

class ConverterSession;
class ErrorBalloon;

class UnitSearchField : public QLineEdit {
    Q_OBJECT

public:
    // The list of units shows over `window`'s other controls.
    UnitSearchField(ConverterSession& converter, ErrorBalloon& balloon, QWidget* window);
    // The list covers the value panel, as wide as it is; Esc goes back to `home` when Ctrl+F
    // did not come from another control.
    void SetNeighbours(QWidget* valuePanel, QWidget* home);

    // Whether a key typed outside an edit field starts a typed conversion: a digit, a sign or a
    // decimal separator, without Ctrl or Alt.
    static bool StartsASentence(const QKeyEvent& key);
    // Takes the focus from the control the user was typing in and starts the text with what
    // was typed there.
    void StartWith(const QString& typed);
    // A refusal of the typed conversion: under the field, which keeps the focus and the sentence
    // so that the user can correct it.
    void ShowRefusal(const QString& reason);

    // Room for the whole grey hint in the empty field, in any language and at any font size.
    QSize minimumSizeHint() const override;

protected:
    bool event(QEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;

private:
    // The index of the database, read when first needed after the window became active: while
    // it was not, the preferences window (modal over it) or another program may have changed
    // the files.
    const UnitIndex& Index();
    std::optional<size_t> LoadedGroup();
    void Focus();
    void Update();
    void Find(const std::string& typed);
    void CreateFound();
    void HideFound();
    // The row chosen in the list; -1 for none.
    int FoundRow() const;
    void ShowAnswer();
    // Has screen readers speak the answer once typing pauses.
    void AnnounceAnswer();
    void ShowFound();
    void Place();
    void Commit(PickerSide side);
    void Choose(UnitRef unit, PickerSide side);
    void Convert(const Sentence& sentence);
    void Refuse(const QString& reason);
    void Leave();

    ConverterSession& converter_;
    ErrorBalloon& balloon_;
    QWidget* window_;
    QWidget* valuePanel_ = nullptr;
    QWidget* home_ = nullptr;
    std::optional<UnitIndex> index_;
    std::vector<UnitRef> found_;
    std::optional<Sentence> sentence_;
    QString refusal_;          // why the text is not a sentence
    QPointer<QWidget> before_; // where Ctrl+F came from, where Esc goes back to
    // After a typed conversion the copy keys copy the value, as the Edit menu's Copy does, until
    // the user selects text in the field.
    bool copiesValue_ = false;

    QTimer typingPause_;
    QString announced_; // the answer readers were told last

    QFrame* foundPanel_ = nullptr;  // under the field, over the window's other controls
    QLabel* answerLabel_ = nullptr; // the typed conversion's answer
    QListWidget* foundList_ = nullptr;
};

} // namespace quorvel
