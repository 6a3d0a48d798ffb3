// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/reportlines.h"

#include <QAbstractUndoItem>
#include <QTextCursor>
#include <QTextDocument>
#include <functional>
#include <utility>

namespace quorvel {

namespace {

// An edit that a document's undo history never records: the document runs it while it undoes
// this item, when it records nothing.
class UnrecordedEdit : public QAbstractUndoItem {
public:
    explicit UnrecordedEdit(std::function<void()> edit) : edit_(std::move(edit)) {}
    void undo() override {
        if (edit_)
            std::exchange(edit_, {})();
    }
    void redo() override {}

private:
    std::function<void()> edit_;
};

} // namespace

// A conversion line is no edit of the user's: Undo in the report never takes it back, and it
// joins none of the user's typing, whose own steps stay undoable as they were. Switching the
// history off around the append would lose those steps; so the append runs inside an undo of
// an item of its own, which then goes with the redo steps (a new edit drops them anyway).
void AppendReportLine(QTextDocument& document, const QString& line) {
    const auto append = [&document, &line] {
        QTextCursor cursor(&document);
        cursor.movePosition(QTextCursor::End);
        if (!document.isEmpty())
            cursor.insertBlock();
        cursor.insertText(line);
    };
    if (!document.isUndoRedoEnabled()) {
        append();
        return;
    }
    document.appendUndoItem(new UnrecordedEdit(append));
    document.undo();
    document.clearUndoRedoStacks(QTextDocument::RedoStack);
}

} // namespace quorvel
