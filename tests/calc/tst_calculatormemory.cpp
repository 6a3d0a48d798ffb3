// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "calc/calculatormemory.h"
#include "testsupport.h"

#include <QTest>

using namespace quorvel;
using quorvel::test::SeparatorScope;

class TestCalcMemory : public QObject {
    Q_OBJECT

private slots:
    void newMemoryHasTenZeroCells();
    void sameCellsQuantityKeepsCells();
    void newCellsQuantityClearsEveryCell();
    void cellsKeepTheirValues();
    void emptyTextStoresZero();
    void textWithoutDigitsChangesNothing();
    void writeCleansTheText();
    void activeCellOutsideTheRowIsRefused_data();
    void activeCellOutsideTheRowIsRefused();
    void cellsQuantityBelowTheActiveCellIsRefused();
};

void TestCalcMemory::newMemoryHasTenZeroCells() {
    CalculatorMemory memory;
    QCOMPARE(memory.CellsQuantity(), 10);
    QCOMPARE(memory.ActiveCell(), 1);
    QCOMPARE(memory.Value(), std::string("0"));
    for (int cell = 10; cell >= 1; --cell) {
        memory.SetActiveCell(cell);
        QCOMPARE(memory.Value(), std::string("0"));
    }
}

void TestCalcMemory::sameCellsQuantityKeepsCells() {
    CalculatorMemory memory;
    memory.SetValue("7");
    memory.SetCellsQuantity(10);
    QCOMPARE(memory.Value(), std::string("7"));
}

void TestCalcMemory::newCellsQuantityClearsEveryCell() {
    CalculatorMemory memory;
    memory.SetActiveCell(2);
    memory.SetValue("7");
    memory.SetCellsQuantity(9);
    memory.SetCellsQuantity(10);
    QCOMPARE(memory.CellsQuantity(), 10);
    QCOMPARE(memory.Value(), std::string("0"));
    QCOMPARE(memory.M(), 0.0L);
}

void TestCalcMemory::cellsKeepTheirValues() {
    SeparatorScope comma(",");
    CalculatorMemory memory;
    memory.SetActiveCell(3);
    memory.SetValue("12,5");
    memory.SetActiveCell(1);
    QCOMPARE(memory.M(), 0.0L);
    memory.SetActiveCell(3);
    QCOMPARE(memory.M(), 12.5L);
    QCOMPARE(memory.Value(), std::string("12,5"));
}

void TestCalcMemory::emptyTextStoresZero() {
    CalculatorMemory memory;
    memory.SetValue("4");
    memory.SetValue("");
    QCOMPARE(memory.Value(), std::string("0"));
    QCOMPARE(memory.M(), 0.0L);
}

void TestCalcMemory::textWithoutDigitsChangesNothing() {
    CalculatorMemory memory;
    memory.SetValue("4");
    memory.SetValue("x");
    QCOMPARE(memory.M(), 4.0L);
    QCOMPARE(memory.Value(), std::string("4"));
}

void TestCalcMemory::writeCleansTheText() {
    SeparatorScope point(".");
    CalculatorMemory memory;
    memory.SetValue("= 1 234.5 kg");
    QCOMPARE(memory.Value(), std::string("1234.5"));
    QCOMPARE(memory.M(), 1234.5L);
}

void TestCalcMemory::activeCellOutsideTheRowIsRefused_data() {
    QTest::addColumn<int>("cell");
    QTest::addRow("zero") << 0;
    QTest::addRow("negative") << -1;
    QTest::addRow("past the last") << 11;
}

void TestCalcMemory::activeCellOutsideTheRowIsRefused() {
    QFETCH(int, cell);
    CalculatorMemory memory;
    memory.SetActiveCell(4);
    memory.SetValue("9");
    QVERIFY_THROWS_EXCEPTION(ERangeError, memory.SetActiveCell(cell));
    QCOMPARE(memory.ActiveCell(), 4);
    QCOMPARE(memory.M(), 9.0L);
    QCOMPARE(memory.Value(), std::string("9"));
}

void TestCalcMemory::cellsQuantityBelowTheActiveCellIsRefused() {
    CalculatorMemory memory;
    memory.SetActiveCell(5);
    memory.SetValue("3");
    QVERIFY_THROWS_EXCEPTION(ERangeError, memory.SetCellsQuantity(4));
    QVERIFY_THROWS_EXCEPTION(ERangeError, memory.SetCellsQuantity(0));
    QCOMPARE(memory.CellsQuantity(), 10);
    QCOMPARE(memory.Value(), std::string("3"));
}

QTEST_APPLESS_MAIN(TestCalcMemory)
#include "tst_calculatormemory.moc"
