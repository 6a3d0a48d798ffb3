// Interim table: a few aliases of delivered units in the shape of the generated table, so the
// program links and finds the common symbols until data/generate_units.py writes this file.

#include "core/deliveredaliases.h"

#include <array>

namespace quorvel {

namespace {

constexpr std::array Aliases{
    UnitAlias{"Length", "metre", "m", AliasKind::Symbol},
    UnitAlias{"Length", "metre", "meter", AliasKind::Name},
    UnitAlias{"Length", "centimetre", "cm", AliasKind::Symbol},
    UnitAlias{"Length", "inch", "in", AliasKind::Symbol},
    UnitAlias{"Length", "foot", "ft", AliasKind::Symbol},
    UnitAlias{"Length", "yard", "yd", AliasKind::Symbol},
    UnitAlias{"Area", "square metre", "m²", AliasKind::Symbol},
    UnitAlias{"Volume", "litre", "liter", AliasKind::Name},
    UnitAlias{"Temperature", "Celsius' degree", "°C", AliasKind::Symbol},
    UnitAlias{"Temperature", "Fahrenheit's degree", "°F", AliasKind::Symbol},
    UnitAlias{"Pressure", "pound-force per square inch", "psi", AliasKind::Symbol},
    UnitAlias{"Energy", "kilowatt-hour", "kWh", AliasKind::Symbol},
};

} // namespace

std::span<const UnitAlias> DeliveredAliases() {
    return Aliases;
}

} // namespace quorvel
