#pragma once

// The main() of a window test that builds the whole program: the program needs its own
// application object, which hands what an event handler lets escape to the calculator's handler.

#include "ui/Application.h"

#include <QTest>

#define QUORVEL_PROGRAM_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char* argv[]) {                                                             \
        quorvel::TQuorvelApplication application(argc, argv);                                      \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
