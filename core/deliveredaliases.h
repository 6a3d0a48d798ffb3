// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// Other names of the units delivered with the program: their symbols (cm, °F, m²), plurals,
// US spellings and plain-ASCII spellings (m2, degF). data/generate_units.py writes the table
// (deliveredaliases.cpp) from data/units.def. The database files know nothing of it: a unit is
// matched by its group's and its own name, so a unit a user adds or renames is found by name.

#include <span>
#include <string_view>

namespace quorvel {

enum class AliasKind {
    Symbol, // a unit symbol or its plain-ASCII spelling: "cm", "°F", "degF", "m^2"
    Name,   // another name: a plural, a US spelling ("inches", "meter")
};

struct UnitAlias {
    std::string_view group; // the group's name in the delivered group list
    std::string_view unit;  // the unit's name in that group's names file
    std::string_view alias; // UTF-8
    AliasKind kind;
};

// Every alias of every delivered unit, in the order of units.def.
std::span<const UnitAlias> DeliveredAliases();

} // namespace quorvel
