// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The CUPS client library, opened the first time the report is printed. Linked to the program,
// it would bring a dozen libraries (encryption, Kerberos, service discovery) into every start,
// for a print that most sessions never make.

#include <cups/cups.h>

namespace quorvel {

// The library's functions that the report's printing calls, listed once: the table below and
// the opening of the library both expand this list.
#define QUORVEL_CUPS_FUNCTIONS(F)                                                                  \
    F(cupsAddOption)                                                                               \
    F(cupsDoRequest)                                                                               \
    F(cupsFreeDests)                                                                               \
    F(cupsFreeOptions)                                                                             \
    F(cupsGetNamedDest)                                                                            \
    F(cupsGetOption)                                                                               \
    F(cupsLastError)                                                                               \
    F(cupsLastErrorString)                                                                         \
    F(cupsPrintFile2)                                                                              \
    F(httpAssembleURIf)                                                                            \
    F(ippAddInteger)                                                                               \
    F(ippAddString)                                                                                \
    F(ippAddStrings)                                                                               \
    F(ippDelete)                                                                                   \
    F(ippFindAttribute)                                                                            \
    F(ippGetBoolean)                                                                               \
    F(ippGetCount)                                                                                 \
    F(ippGetInteger)                                                                               \
    F(ippGetString)                                                                                \
    F(ippGetValueTag)                                                                              \
    F(ippNewRequest)                                                                               \
    F(ippPort)

// Those functions, under their own names.
struct CupsLibrary {
#define QUORVEL_CUPS_POINTER(name) decltype(&::name) name;
    QUORVEL_CUPS_FUNCTIONS(QUORVEL_CUPS_POINTER)
#undef QUORVEL_CUPS_POINTER
};

// The library, opened on the first call. Throws EPrintError when it cannot be opened.
const CupsLibrary& CupsClient();

} // namespace quorvel
