// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/displaytext.h"
#include "calc/errors.h"
#include "testsupport.h"

#include <QTest>

using namespace quorvel;
using quorvel::test::SeparatorScope;
using quorvel::test::Str;

namespace {

// Tables are written with "," as decimal and " " as thousands separator.
std::string Localised(const std::string& text, const std::string& decimal,
                      const std::string& thousands) {
    std::string out;
    for (const char c : text)
        out += c == ',' ? decimal : c == ' ' ? thousands : std::string(1, c);
    return out;
}

} // namespace

class TestDisplayText : public QObject {
    Q_OBJECT

private slots:
    void layout_data();
    void layout();
    void notANumberFails();
};

void TestDisplayText::layout_data() {
    QTest::addColumn<QString>("decimal");
    QTest::addColumn<QString>("thousands");
    QTest::addColumn<bool>("grouped");
    QTest::addColumn<QString>("input");
    QTest::addColumn<QString>("display");
    struct Row {
        const char* name;
        bool grouped;
        const char* input;
        const char* display;
    };
    const Row rows[] = {
        {"grouped thousands", true, "1234567,5", "1 234 567,5"},
        {"ungrouped", false, "1234567,5", "1234567,5"},
        {"decimals kept", true, "0,50", "0,50"},
        {"leading zero dropped", true, "05", "5"},
        {"separator while typing", true, "0,", "0,"},
        {"minus zero while typing", true, "-0,", "-0,"},
        {"minus zero", true, "-0", "0"},
        {"ten to the fifteenth", true, "1E15", "1,000000000000E+15"},
        {"sample of a fresh display", true, "-123456789E-1234", "-1,234567890000E-1226"},
        {"long integer", true, "1234567890123456789012", "1,234567890123E+21"},
        {"tiny exponent text", true, "1E-6", "0,000001"},
        {"tiny exponent text with decimals", true, "1,5E-5", "0,000015"},
        {"tiny exponent text scaled", true, "0,5E-10", "0,00000000005"},
        {"tiny plain text", true, "-0,00004", "-0,00004"},
        {"smallest plain", true, "0,0001", "0,0001"},
        {"just below 1E15", true, "999999999999999,9", "999 999 999 999 999,9"},
        {"at most 18 characters count", true, "12,345678901234567890", "12,345678901234568"},
        {"exponent text with more integer digits than characters", true, "1e14", "1E14"},
        {"exponent text in the fixed range", true, "1,5E3", "1 500,000"},
        {"at 1E-15", true, "0,000000000000001", "1,000000000000E-15"},
        {"cleaned first", true, "x = -5 kg", "-5"},
        {"three digits are not grouped", true, "999", "999"},
        {"rounding carries into a new group", true, "999,99999999999999999", "1 000,00000000000000"},
    };
    const std::pair<const char*, const char*> settings[] = {{",", " "}, {".", ","}};
    for (const auto& [decimal, thousands] : settings) {
        for (const Row& row : rows) {
            QTest::addRow("%s %s", decimal, row.name)
                << decimal << thousands << row.grouped
                << QString::fromStdString(Localised(row.input, decimal, thousands))
                << QString::fromStdString(Localised(row.display, decimal, thousands));
        }
    }
}

void TestDisplayText::layout() {
    QFETCH(QString, decimal);
    QFETCH(QString, thousands);
    QFETCH(bool, grouped);
    QFETCH(QString, input);
    QFETCH(QString, display);
    SeparatorScope scope(Str(decimal), Str(thousands));
    QCOMPARE(QString::fromStdString(DisplayText(Str(input), grouped)), display);
}

void TestDisplayText::notANumberFails() {
    SeparatorScope scope(",");
    QVERIFY_THROWS_EXCEPTION(EConvertError, DisplayText("kg", true));
    QVERIFY_THROWS_EXCEPTION(EConvertError, DisplayText("1,2,3", true));
}

QTEST_APPLESS_MAIN(TestDisplayText)
#include "tst_displaytext.moc"
