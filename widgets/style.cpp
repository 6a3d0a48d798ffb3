// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "widgets/style.h"

#include "widgets/icons.h"

namespace quorvel {

QIcon ProgramStyle::standardIcon(StandardPixmap picture, const QStyleOption* option,
                                 const QWidget* widget) const {
    // The tool bar and the menu bar each make one at creation, shown or not, and so does a line
    // edit with a clear button.
    switch (picture) {
    case SP_ToolBarHorizontalExtensionButton: return MakeIcon(Picture::MoreRight);
    case SP_ToolBarVerticalExtensionButton: return MakeIcon(Picture::MoreDown);
    case SP_LineEditClearButton: return MakeIcon(Picture::Clear);
    default: return QProxyStyle::standardIcon(picture, option, widget);
    }
}

} // namespace quorvel
