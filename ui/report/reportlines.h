// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The report's text: the conversion lines, which the report window shows and the user may edit.

class QString;
class QTextDocument;

namespace quorvel {

// Appends a conversion line as a paragraph of its own. The user's undo history stays as it
// was: Undo never takes a conversion line back.
void AppendReportLine(QTextDocument& report, const QString& line);

} // namespace quorvel
