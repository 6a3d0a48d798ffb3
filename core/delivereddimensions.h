// SPDX-FileCopyrightText: 2026 The Quorvel developers
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once

// The dimensions of the groups delivered with the program. data/generate_units.py writes the
// table (delivereddimensions.cpp) from data/units.def. A group takes its dimension by its name,
// so a unit a user adds to a delivered group has the group's dimension; a group the user makes
// has none, and its units convert among themselves only.

#include "core/dimension.h"

#include <span>
#include <string_view>

namespace quorvel {

struct GroupDimension {
    std::string_view group;    // the group's name in the delivered group list
    std::string_view baseUnit; // its first unit, of factor 1, against which its units are given
    Dimension dimension;
    std::string_view scale; // the base unit's size in coherent SI units: "1" but for Fuel economy
};

// Every delivered group's dimension, in the order of units.def.
std::span<const GroupDimension> DeliveredDimensions();

} // namespace quorvel
