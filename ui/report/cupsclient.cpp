// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/report/cupsclient.h"

#include "ui/report/reportdialog.h"

#include <QLibrary>

namespace quorvel {

namespace {

template <typename Function> void Resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function)
        //: %1 is the file of the CUPS client library, %2 the name of a function it lacks.
        throw EPrintError(
            QUORVEL_MESSAGE("quorvel::ReportDialog", "The printing library %1 has no function %2"),
            {library.fileName().toStdString(), std::string(name)});
}

CupsLibrary Open(QLibrary& library) {
    if (!library.load())
        //: %1 is the reason the system gives.
        throw EPrintError(QUORVEL_MESSAGE("quorvel::ReportDialog",
                                          "The printing library could not be opened: %1"),
                          {library.errorString().toStdString()});
    CupsLibrary client;
#define QUORVEL_RESOLVE(name) Resolve(library, #name, client.name);
    QUORVEL_CUPS_FUNCTIONS(QUORVEL_RESOLVE)
#undef QUORVEL_RESOLVE
    return client;
}

} // namespace

const CupsLibrary& CupsClient() {
    static QLibrary library("cups", 2);
    static const CupsLibrary client = Open(library); // tried again after a failure
    return client;
}

} // namespace quorvel
