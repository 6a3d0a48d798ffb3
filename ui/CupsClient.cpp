// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#include "ui/CupsClient.h"

#include "ui/Report.h"

#include <QLibrary>

namespace quorvel {

namespace {

template <typename Function> void Resolve(QLibrary& library, const char* name, Function& function) {
    function = reinterpret_cast<Function>(library.resolve(name));
    if (!function)
        //: %1 is the file of the CUPS client library, %2 the name of a function it lacks.
        throw EPrintError(QUORVEL_MESSAGE("quorvel::TFReport",
                                          "The printing library %1 has no function %2"),
                          {library.fileName().toStdString(), std::string(name)});
}

TCupsClient Open(QLibrary& library) {
    if (!library.load())
        //: %1 is the reason the system gives.
        throw EPrintError(
            QUORVEL_MESSAGE("quorvel::TFReport", "The printing library could not be opened: %1"),
            {library.errorString().toStdString()});
    TCupsClient client;
#define QUORVEL_RESOLVE(name) Resolve(library, #name, client.name)
    QUORVEL_RESOLVE(cupsAddOption);
    QUORVEL_RESOLVE(cupsDoRequest);
    QUORVEL_RESOLVE(cupsFreeDests);
    QUORVEL_RESOLVE(cupsFreeOptions);
    QUORVEL_RESOLVE(cupsGetNamedDest);
    QUORVEL_RESOLVE(cupsGetOption);
    QUORVEL_RESOLVE(cupsLastError);
    QUORVEL_RESOLVE(cupsLastErrorString);
    QUORVEL_RESOLVE(cupsPrintFile2);
    QUORVEL_RESOLVE(httpAssembleURIf);
    QUORVEL_RESOLVE(ippAddInteger);
    QUORVEL_RESOLVE(ippAddString);
    QUORVEL_RESOLVE(ippAddStrings);
    QUORVEL_RESOLVE(ippDelete);
    QUORVEL_RESOLVE(ippFindAttribute);
    QUORVEL_RESOLVE(ippGetBoolean);
    QUORVEL_RESOLVE(ippGetCount);
    QUORVEL_RESOLVE(ippGetInteger);
    QUORVEL_RESOLVE(ippGetString);
    QUORVEL_RESOLVE(ippGetValueTag);
    QUORVEL_RESOLVE(ippNewRequest);
    QUORVEL_RESOLVE(ippPort);
#undef QUORVEL_RESOLVE
    return client;
}

} // namespace

const TCupsClient& CupsClient() {
    static QLibrary library("cups", 2);
    static const TCupsClient client = Open(library); // tried again after a failure
    return client;
}

} // namespace quorvel
