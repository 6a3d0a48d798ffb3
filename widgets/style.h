// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The program's look: the platform's style, with the standard pictures that the windows show
// drawn in code. Start-up then reads no image file, and so loads none of the image format
// plugins that reading the first one brings in.

#include <QProxyStyle>

namespace quorvel {

class ProgramStyle : public QProxyStyle {
    Q_OBJECT

public:
    QIcon standardIcon(StandardPixmap picture, const QStyleOption* option = nullptr,
                       const QWidget* widget = nullptr) const override;
};

} // namespace quorvel
