// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The main() of a window test that builds the whole program: the program needs its own
// application object, which hands what an event handler lets escape to the calculator's handler.

#include "ui/app/application.h"

#include <QTest>

namespace quorvel::test {

// The application object the test's main() made, for the program under test.
inline Application& TestApplication() {
    return *static_cast<Application*>(QCoreApplication::instance());
}

} // namespace quorvel::test

#define QUORVEL_PROGRAM_TEST_MAIN(TestClass)                                                       \
    int main(int argc, char* argv[]) {                                                             \
        quorvel::Application application(argc, argv);                                              \
        TestClass test;                                                                            \
        QTEST_SET_MAIN_SOURCE_PATH                                                                 \
        return QTest::qExec(&test, argc, argv);                                                    \
    }
