// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// A group button of the main window's column: it shows its group's name on one line, cut short
// with an ellipsis when the name is wider than the button (the whole name is then its tool tip),
// and stays checked while its group is the loaded one, filled with a colour that stands out from
// the other buttons in any style and palette.

#include <QPushButton>
#include <QString>

namespace quorvel {

// A name as one line of text: line breaks, which a group or unit name may hold when its file
// was written with bare line feeds, become blanks.
QString OneLine(QString name);

// A name as a button or menu caption: "&", which would mark a shortcut letter, shows as itself.
QString AsCaption(QString name);

class GroupButton : public QPushButton {
    Q_OBJECT

public:
    explicit GroupButton(QWidget* parent = nullptr);

    const QString& GroupName() const { return groupName_; }
    void SetGroupName(const QString& name);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void ShowCaption();
    QColor UncheckedFace() const;

    QString groupName_;
};

} // namespace quorvel
