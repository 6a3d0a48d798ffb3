// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Helpers shared by the tests: decimal separator settings and running a table in both of them.

#include "calc/numbertext.h"

#include <QFile>
#include <QString>
#include <QTest>
#include <string>

namespace quorvel::test {

// Sets the number separators for the lifetime of the object and restores the old ones after.
class SeparatorScope {
public:
    explicit SeparatorScope(std::string decimal, std::string thousands = " ")
        : saved_(CurrentNumberSeparators()) {
        SetNumberSeparators({std::move(decimal), std::move(thousands)});
    }
    ~SeparatorScope() { SetNumberSeparators(saved_); }
    SeparatorScope(const SeparatorScope&) = delete;
    SeparatorScope& operator=(const SeparatorScope&) = delete;

private:
    NumberSeparators saved_;
};

// Tables are written with "," as decimal separator; this rewrites a text for another one.
inline std::string WithSeparator(std::string text, const std::string& separator) {
    std::string out;
    for (const char c : text) {
        if (c == ',')
            out += separator;
        else
            out.push_back(c);
    }
    return out;
}

inline std::string Str(const QString& text) {
    return text.toStdString();
}

inline QByteArray ReadBytes(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

inline void WriteBytes(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace quorvel::test
