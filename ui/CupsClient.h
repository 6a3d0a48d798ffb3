// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The CUPS client library, opened the first time the report is printed. Linked to the program,
// it would bring a dozen libraries (encryption, Kerberos, service discovery) into every start,
// for a print that most sessions never make.

#include <cups/cups.h>

namespace quorvel {

// The library's functions that the report's printing calls, under their own names.
struct TCupsClient {
    decltype(&::cupsAddOption) cupsAddOption;
    decltype(&::cupsDoRequest) cupsDoRequest;
    decltype(&::cupsFreeDests) cupsFreeDests;
    decltype(&::cupsFreeOptions) cupsFreeOptions;
    decltype(&::cupsGetNamedDest) cupsGetNamedDest;
    decltype(&::cupsGetOption) cupsGetOption;
    decltype(&::cupsLastError) cupsLastError;
    decltype(&::cupsLastErrorString) cupsLastErrorString;
    decltype(&::cupsPrintFile2) cupsPrintFile2;
    decltype(&::httpAssembleURIf) httpAssembleURIf;
    decltype(&::ippAddInteger) ippAddInteger;
    decltype(&::ippAddString) ippAddString;
    decltype(&::ippAddStrings) ippAddStrings;
    decltype(&::ippDelete) ippDelete;
    decltype(&::ippFindAttribute) ippFindAttribute;
    decltype(&::ippGetBoolean) ippGetBoolean;
    decltype(&::ippGetCount) ippGetCount;
    decltype(&::ippGetInteger) ippGetInteger;
    decltype(&::ippGetString) ippGetString;
    decltype(&::ippGetValueTag) ippGetValueTag;
    decltype(&::ippNewRequest) ippNewRequest;
    decltype(&::ippPort) ippPort;
};

// The library, opened on the first call. Throws EPrintError when it cannot be opened.
const TCupsClient& CupsClient();

} // namespace quorvel
