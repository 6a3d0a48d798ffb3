#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the delivered units database (data/Files/), its table of unit symbols and other names
(core/deliveredaliases.cpp) and its table of the groups' dimensions (core/delivereddimensions.cpp)
from data/units.def.

The definitions file is the one source of truth: every unit's factor is an exact rational
number computed from the definitions with fractions.Fraction. A factor whose decimal expansion
ends is written with all its digits; any other with 25 significant digits, more than the
program's 64-bit mantissa can hold. A reciprocal unit (defined as "= <expression> / x") gets the
factor k/x, k being the expression's value: a value v of the unit is k / v base units. Every
factor is positive, and each group's first unit has the factor 1.

Every group states its dimension: the exponents of the base quantities (metre, kilogram, second,
ampere, kelvin, mole, candela, and angle, information and count as quantities of their own).
Each unit id carries its value in coherent units and its group's dimension, so a unit defined
from other units is checked: its expression must have its group's dimension, or be a plain number
of the group's base units. A constant is a number of unknown dimension; a definition that uses
one is not checked. Where a group's first unit is defined from other units (the kilometre per
litre of Fuel economy), its value in coherent units is the group's scale, which the table of
dimensions carries with the group.

Besides the symbols and names the definitions list, the table holds what follows from them by
rule: the plain-ASCII spellings of each symbol (m2 and m^2 for m², degF for °F, u for µ), the
symbols of prefixed units (km, µm), and the plural, US and old spellings of each unit's name
(kilometres, kilometer, kilogramme). Within a group every alias must name one unit; an alias
shared by units of different groups is allowed (the pair of units of a typed conversion decides)
and is listed when the files are written.

Usage:
  generate_units.py [--definitions FILE] --out FOLDER [--aliases FILE] [--dimensions FILE]
      write the database into FOLDER and the tables into the C++ sources
  generate_units.py [--definitions FILE] --check FOLDER [--aliases FILE] [--dimensions FILE]
      fail if FOLDER or a table differs from what would be written
"""

import argparse
import filecmp
import itertools
import os
import re
import sys
import tempfile
from collections import namedtuple
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
DEFAULT_ALIASES = os.path.join(os.path.dirname(HERE), "core", "deliveredaliases.cpp")
DEFAULT_DIMENSIONS = os.path.join(os.path.dirname(HERE), "core", "delivereddimensions.cpp")
# The base quantities of a dimension, in the order of the C++ table, by the names a group's
# "dimension" line uses.
BASE_QUANTITIES = ("m", "kg", "s", "A", "K", "mol", "cd", "rad", "bit", "count")
SI_PREFIXES = {  # id prefix: (name, power of ten, symbol); "u" stands for micro in ids
    "Q": ("quetta", 30, "Q"), "R": ("ronna", 27, "R"), "Y": ("yotta", 24, "Y"),
    "Z": ("zetta", 21, "Z"), "E": ("exa", 18, "E"), "P": ("peta", 15, "P"),
    "T": ("tera", 12, "T"), "G": ("giga", 9, "G"), "M": ("mega", 6, "M"),
    "k": ("kilo", 3, "k"), "h": ("hecto", 2, "h"), "da": ("deca", 1, "da"),
    "d": ("deci", -1, "d"), "c": ("centi", -2, "c"), "m": ("milli", -3, "m"),
    "u": ("micro", -6, "µ"), "n": ("nano", -9, "n"), "p": ("pico", -12, "p"),
    "f": ("femto", -15, "f"), "a": ("atto", -18, "a"), "z": ("zepto", -21, "z"),
    "y": ("yocto", -24, "y"), "r": ("ronto", -27, "r"), "q": ("quecto", -30, "q"),
}
SIGNIFICANT_DIGITS = 25
FORBIDDEN_IN_FILE_NAMES = set('/\\:*?"<>|')

Unit = namedtuple("Unit", "name value source symbols names reciprocal")
Alias = namedtuple("Alias", "group unit text kind")  # kind: "Symbol" or "Name"


class DefinitionError(Exception):
    pass


class Quantity:
    """A value in coherent units with its dimension (a tuple of exponents of BASE_QUANTITIES,
    None where unknown: a constant's), and whether units took part in it."""

    NONE = (0,) * len(BASE_QUANTITIES)

    def __init__(self, value, dimension=NONE, units=False):
        self.value = Fraction(value)
        self.dimension = dimension
        self.units = units

    def combined(self, other, value, exponents):
        other = other if isinstance(other, Quantity) else Quantity(other)
        dimension = (None if self.dimension is None or other.dimension is None
                     else tuple(map(exponents, self.dimension, other.dimension)))
        return Quantity(value(self.value, other.value), dimension, self.units or other.units)

    def __mul__(self, other):
        return self.combined(other, lambda a, b: a * b, lambda a, b: a + b)

    def __truediv__(self, other):
        return self.combined(other, lambda a, b: a / b, lambda a, b: a - b)

    def __add__(self, other):
        return self.summed(other, 1)

    def __sub__(self, other):
        return self.summed(other, -1)

    def summed(self, other, sign):
        if None not in (self.dimension, other.dimension) and self.dimension != other.dimension:
            raise DefinitionError("adds quantities of different dimensions")
        return self.combined(other, lambda a, b: a + sign * b, lambda a, b: a)

    def __neg__(self):
        return Quantity(-self.value, self.dimension, self.units)

    def __pow__(self, exponent):
        dimension = None if self.dimension is None else tuple(e * exponent
                                                              for e in self.dimension)
        return Quantity(self.value ** exponent, dimension, self.units)


class Expression:
    """A recursive-descent evaluator of + - * / ^ ( ), numbers and names, in exact fractions
    with dimensions (Quantity)."""

    TOKEN = re.compile(r"\s*(?:(\d+(?:\.\d*)?(?:[eE][+-]?\d+)?)|([A-Za-z_][A-Za-z0-9_]*)|(\S))")

    def __init__(self, text, names):
        self.tokens = []
        for number, name, symbol in self.TOKEN.findall(text):
            self.tokens.append(("num", number) if number else ("name", name) if name
                               else ("sym", symbol))
        self.names = names
        self.pos = 0

    def evaluate(self):
        value = self.sum()
        if self.pos != len(self.tokens):
            raise DefinitionError("unexpected %r" % (self.tokens[self.pos][1],))
        return value

    def peek(self):
        return self.tokens[self.pos] if self.pos < len(self.tokens) else ("end", "")

    def take(self, symbol):
        if self.peek() == ("sym", symbol):
            self.pos += 1
            return True
        return False

    def sum(self):
        value = self.product()
        while True:
            if self.take("+"):
                value += self.product()
            elif self.take("-"):
                value -= self.product()
            else:
                return value

    def product(self):
        value = self.power()
        while True:
            if self.take("*"):
                value *= self.power()
            elif self.take("/"):
                value /= self.power()
            else:
                return value

    def power(self):
        base = self.unary()
        if self.take("^"):
            exponent = self.unary()
            if exponent.units or exponent.value.denominator != 1:
                raise DefinitionError("exponents must be whole numbers")
            return base ** int(exponent.value)
        return base

    def unary(self):
        if self.take("-"):
            return -self.unary()
        kind, text = self.peek()
        self.pos += 1
        if kind == "num":
            return Quantity(text)
        if kind == "name":
            if text not in self.names:
                raise DefinitionError("unknown name %r" % text)
            if self.names[text] is None:
                raise DefinitionError("%r is a reciprocal unit: it has no factor to compute with"
                                      % text)
            return self.names[text]
        if (kind, text) == ("sym", "("):
            value = self.sum()
            if not self.take(")"):
                raise DefinitionError("missing )")
            return value
        raise DefinitionError("unexpected %r" % text)


# "<expression> / x": a reciprocal unit, whose base value is the expression divided by the value.
RECIPROCAL = re.compile(r"^(.*)/\s*x\s*$")
ALIAS_LINE = re.compile(r"^(symbols|names)(?:\s+([A-Za-z_][A-Za-z0-9_]*))?\s*:(.*)$")


def split_aliases(text):
    aliases = [alias.strip() for alias in text.split(",")]
    for alias in aliases:
        if not alias or not alias.isprintable():
            raise DefinitionError("%r cannot be an alias" % alias)
    return aliases


def parse_definitions(path, dimensions=None):
    """Returns [(group name, [Unit])] in file order; fills `dimensions`, when given, with
    {group name: Dimension}."""
    groups = []
    names = {}
    units_by_id = {}  # id: (group index, position in the group)
    last_line = None  # "unit" id or "prefixes", what an alias line without an id belongs to
    group_dimensions = {} if dimensions is None else dimensions
    base_names = {name: Quantity(1, tuple(int(k == n) for k in range(len(BASE_QUANTITIES))))
                  for n, name in enumerate(BASE_QUANTITIES)}

    def define(name_id, value, line_number):
        if name_id in names:
            raise DefinitionError("line %d: %r is defined twice" % (line_number, name_id))
        names[name_id] = value

    def current_dimension():
        if groups[-1][0] not in group_dimensions:
            raise DefinitionError("group %s: give its dimension before its units" % groups[-1][0])
        return group_dimensions[groups[-1][0]]

    def factor_of(quantity):
        """The quantity as a number of the current group's base units; a group's first unit
        defined from units sets the group's scale."""
        dimension = current_dimension()
        if quantity.dimension is None or not quantity.units:
            return quantity.value  # a number of base units, or of unknown dimension
        if quantity.dimension != dimension.exponents:
            raise DefinitionError("the definition has the dimension %s, its group %s"
                                  % (dimension_text(quantity.dimension),
                                     dimension_text(dimension.exponents)))
        if not groups[-1][1]:
            group_dimensions[groups[-1][0]] = dimension._replace(scale=quantity.value)
            return Fraction(1)
        return quantity.value / dimension.scale

    def add_unit(name_id, unit_name, value, source, symbols, reciprocal=False):
        if value <= 0:
            raise DefinitionError("a factor must be positive, or the unit converts nothing")
        units = groups[-1][1]
        units_by_id[name_id] = (len(groups) - 1, len(units))
        units.append(Unit(unit_name, value, source, list(symbols), [], reciprocal))

    def unit_quantity(factor):
        dimension = current_dimension()
        return Quantity(factor * dimension.scale, dimension.exponents, True)

    def unit_of(name_id):
        if name_id not in units_by_id or units_by_id[name_id][0] != len(groups) - 1:
            raise DefinitionError("no unit %r in this group" % name_id)
        group, position = units_by_id[name_id]
        return groups[group][1][position]

    def attach_aliases(alias_line):
        kind, name_id, listed = alias_line.groups()
        if name_id is None:
            if last_line in (None, "prefixes"):
                raise DefinitionError("name the unit the %s belong to" % kind)
            name_id = last_line
        unit = unit_of(name_id)
        (unit.symbols if kind == "symbols" else unit.names).extend(split_aliases(listed))

    with open(path, encoding="utf-8") as source:
        for line_number, raw in enumerate(source, 1):
            text, _, comment = raw.partition("#")
            indented = raw[:1].isspace()
            text = text.strip()
            if not text:
                continue
            try:
                alias_line = ALIAS_LINE.match(text)
                if indented or alias_line:
                    if not (indented and alias_line):
                        raise DefinitionError("symbols and names go on indented lines")
                    attach_aliases(alias_line)
                    continue
                if text.startswith("group "):
                    check_first_unit(groups)
                    groups.append((text[len("group "):].strip(), []))
                    last_line = None
                    continue
                if text.startswith("dimension "):
                    if not groups or groups[-1][1] or groups[-1][0] in group_dimensions:
                        raise DefinitionError("a group's dimension goes before its units, once")
                    exponents = Expression(text[len("dimension "):], base_names).evaluate()
                    if exponents.value != 1:
                        raise DefinitionError("a dimension names base quantities only")
                    group_dimensions[groups[-1][0]] = Dimension(exponents.dimension, Fraction(1))
                    continue
                if text.startswith("const "):
                    name_id, _, expression = text[len("const "):].partition("=")
                    value = Expression(expression, names).evaluate()
                    define(name_id.strip(), Quantity(value.value, None), line_number)
                    last_line = None
                    continue
                if not groups:
                    raise DefinitionError("a unit before the first group")
                if not comment.strip():
                    raise DefinitionError("a unit without a comment naming its source")
                if text.startswith("prefixes "):
                    head, _, prefixes = text[len("prefixes "):].partition(":")
                    name_id, unit_name = head.split(None, 1)
                    base_symbols = unit_of(name_id).symbols
                    for prefix in prefixes.split():
                        prefix_name, power, prefix_symbol = SI_PREFIXES[prefix]
                        value = unit_of(name_id).value * Fraction(10) ** power
                        define(prefix + name_id, unit_quantity(value), line_number)
                        add_unit(prefix + name_id, prefix_name + unit_name.strip(), value,
                                 comment.strip(), [prefix_symbol + s for s in base_symbols[:1]])
                    last_line = "prefixes"
                    continue
                head, equals, expression = text.partition("=")
                if not equals:
                    raise DefinitionError("expected 'id name = expression'")
                name_id, unit_name = head.strip().split(None, 1)
                reciprocal = RECIPROCAL.match(expression)
                quantity = Expression(reciprocal.group(1) if reciprocal else expression,
                                      names).evaluate()
                if reciprocal and quantity.units and quantity.dimension is not None:
                    raise DefinitionError("k in k / x is a number of the group's base units")
                value = factor_of(quantity)
                define(name_id, None if reciprocal else unit_quantity(value), line_number)
                add_unit(name_id, unit_name.strip(), value, comment.strip(), [], bool(reciprocal))
                last_line = name_id
            except (DefinitionError, KeyError, ValueError, ZeroDivisionError) as error:
                raise DefinitionError("%s:%d: %s" % (path, line_number, error)) from None
    try:
        check_first_unit(groups)
    except DefinitionError as error:
        raise DefinitionError("%s: %s" % (path, error)) from None
    return groups


# A group's dimension: the exponents of BASE_QUANTITIES, and the size of its first unit in
# coherent units (1 but for a group measured against another unit, such as Fuel economy).
Dimension = namedtuple("Dimension", "exponents scale")


def dimension_text(exponents):
    return "*".join("%s^%d" % (name, e) if e != 1 else name
                    for name, e in zip(BASE_QUANTITIES, exponents) if e) or "1"


def check_first_unit(groups):
    """The last group read starts with its base unit, the ordinary factor 1."""
    if groups and (not groups[-1][1] or groups[-1][1][0].value != 1
                   or groups[-1][1][0].reciprocal):
        raise DefinitionError("group %s: the first unit must have the factor 1" % groups[-1][0])


# Plain-ASCII and other common spellings of the characters that symbols are written with.
SYMBOL_SPELLINGS = {
    "µ": ["µ", "μ", "u"],  # micro sign, Greek mu, the ASCII stand-in
    "²": ["²", "2", "^2"],
    "³": ["³", "3", "^3"],
    "⁻¹": ["⁻¹", "^-1"],
    "₂": ["₂", "2"],
    "·": ["·", "⋅", "*", ".", "-", " "],  # middle dot, dot operator
    "′": ["′", "'"],
    "″": ["″", '"', "''"],
    "Ω": ["Ω", "Ω", "ohm"],  # Greek capital omega, the ohm sign, the ASCII name
}


def special_tokens(symbol):
    """The symbol cut into [text, special]: the characters SYMBOL_SPELLINGS and the degree sign
    respell, and the plain text between them."""
    tokens = []
    i = 0
    while i < len(symbol):
        special = next((key for key in list(SYMBOL_SPELLINGS) + ["°"]
                        if symbol.startswith(key, i)), None)
        if special:
            tokens.append([special, True])
            i += len(special)
        elif tokens and not tokens[-1][1]:
            tokens[-1][0] += symbol[i]
            i += 1
        else:
            tokens.append([symbol[i], False])
            i += 1
    return tokens


def spellings_of(special, tokens):
    """°C may be typed degC, deg C or ºC (the ordinal sign of Spanish keyboards); "deg " only
    where every degree sign stands before a letter."""
    if special != "°":
        return SYMBOL_SPELLINGS[special]
    before_letter = all(k + 1 < len(tokens) and tokens[k + 1][0][:1].isalpha()
                        for k, (text, is_special) in enumerate(tokens)
                        if is_special and text == "°")
    return ["°", "º", "deg"] + (["deg "] if before_letter else [])


def symbol_spellings(symbol):
    """The symbol and every spelling of it with its special characters replaced. Each kind of
    special character is spelled one way throughout (N·s/(m·K) gives N*s/(m*K), never
    N*s/(m.K)): nobody mixes them, and the spellings stay few."""
    tokens = special_tokens(symbol)
    kinds = []
    for text, special in tokens:
        if special and text not in kinds:
            kinds.append(text)
    spellings = []
    for chosen in itertools.product(*(spellings_of(kind, tokens) for kind in kinds)):
        spelled = dict(zip(kinds, chosen))
        spellings.append("".join(spelled[text] if special else text for text, special in tokens))
    return spellings


# Words whose plural is themselves, or that are already plural.
INVARIANT_WORDS = {"horsepower", "lux", "nox", "torr", "thou", "speed", "jin", "tsubo", "mu", "rai",
                   "BTU", "Btu", "Mcf", "MMcf", "ccf", "kcmil", "MBH"}
INVARIANT_ENDINGS = ("hertz", "stokes", "lux", "torr")
IRREGULAR_PLURALS = {"foot": "feet", "radius": "radii", "millennium": "millennia"}


def plural_word(word):
    if "/" in word:  # electronvolt/c^2
        head, _, tail = word.partition("/")
        return plural_word(head) + "/" + tail if plural_word(head) else None
    if "-" in word:  # pound-force -> pounds-force, acre-foot -> acre-feet
        parts = word.split("-")
        at = len(parts) - 2 if parts[-1] == "force" and len(parts) > 1 else len(parts) - 1
        changed = plural_word(parts[at])
        return "-".join(parts[:at] + [changed] + parts[at + 1:]) if changed else None
    if word in INVARIANT_WORDS or word.endswith(INVARIANT_ENDINGS):
        return None
    if word in IRREGULAR_PLURALS:
        return IRREGULAR_PLURALS[word]
    if word.endswith(("ss", "x", "z", "ch", "sh")):
        return word + "es"
    if word.endswith("s"):  # gallons, bytes: already plural
        return None
    if word.endswith("y") and word[-2:-1] not in "aeiou":
        return word[:-1] + "ies"
    return word + "s"


def plural(name):
    """The name with its head noun in the plural: "mile per hour" -> "miles per hour",
    "foot (US survey)" -> "feet (US survey)"; None where it has no plural of its own."""
    ends = [name.find(mark) for mark in (" per ", " of ", " (") if mark in name]
    head_end = min(ends) if ends else len(name)
    head, tail = name[:head_end], name[head_end:]
    if head.startswith("per "):  # per minute: a rate, not a count
        return None
    before, _, word = head.rpartition(" ")
    changed = plural_word(word)
    if not changed:
        return None
    return (before + " " if before else "") + changed + tail


US_SPELLINGS = [(re.compile(r"metre"), "meter"), (re.compile(r"litre"), "liter"),
                (re.compile(r"\bdeca(?!des?\b)"), "deka"), (re.compile(r"labelling"), "labeling")]
OLD_SPELLINGS = [(re.compile(r"gram(?=s?\b|-)"), "gramme")]


def respelled(name, spellings):
    for pattern, replacement in spellings:
        name = pattern.sub(replacement, name)
    return name


def name_spellings(forms):
    """The forms of a name, then their US spellings, then their old spellings."""
    return forms + [respelled(form, spellings) for spellings in (US_SPELLINGS, OLD_SPELLINGS)
                    for form in forms]


def own_name_forms(name):
    """A unit's own name and its plural; a listed name gets no generated plural."""
    return [name] + ([plural(name)] if plural(name) else [])


def unit_aliases(group, unit):
    """Every alias of one unit, in order: symbols with their spellings, then names."""
    aliases = []
    seen = {unit.name}
    for kind, texts in (("Symbol", [s for symbol in unit.symbols
                                    for s in symbol_spellings(symbol)]),
                        ("Name", name_spellings(own_name_forms(unit.name))[1:] +
                         [n for name in unit.names for n in name_spellings([name])])):
        for text in texts:
            if text not in seen:
                seen.add(text)
                aliases.append(Alias(group, unit.name, text, kind))
    return aliases


def all_aliases(groups):
    return [alias for group, units in groups for unit in units
            for alias in unit_aliases(group, unit)]


def check_aliases_within_groups(groups, aliases):
    """Within a group, no text may name two units: symbols compare exactly (mm and Mm are two
    symbols), names and unit names regardless of case."""
    problems = []
    for group, units in groups:
        exact = {unit.name: unit.name for unit in units}
        folded = {unit.name.casefold(): unit.name for unit in units}
        for alias in (a for a in aliases if a.group == group):
            keys = [(exact, alias.text)]
            if alias.kind == "Name":
                keys.append((folded, alias.text.casefold()))
            owners = {table.setdefault(key, alias.unit) for table, key in keys} - {alias.unit}
            if owners:
                problems.append("%s: %r names both %r and %r"
                                % (group, alias.text, owners.pop(), alias.unit))
    if problems:
        raise DefinitionError("\n".join(problems))


def shared_across_groups(groups, aliases):
    """{text: [(group, unit)]} for every alias that also names a unit of another group, by
    alias or by that unit's own name."""
    owners = {}
    for group, units in groups:
        for unit in units:
            owners.setdefault(unit.name, set()).add((group, unit.name))
    for alias in aliases:
        owners.setdefault(alias.text, set()).add((alias.group, alias.unit))
    order = {group: k for k, (group, _) in enumerate(groups)}
    alias_texts = {alias.text for alias in aliases}
    return {text: sorted(found, key=lambda owner: order[owner[0]])
            for text, found in sorted(owners.items())
            if text in alias_texts and len({group for group, _ in found}) > 1}


def cpp_string(text):
    return '"' + text.replace("\\", "\\\\").replace('"', '\\"') + '"'


def alias_table_source(aliases):
    lines = ["// SPDX-FileCopyrightText: 2026 The Quorvel developers",
             "// SPDX-License-Identifier: GPL-3.0-or-later",
             "",
             "// Generated by data/generate_units.py from data/units.def: do not edit.",
             "", '#include "core/deliveredaliases.h"', "", "namespace quorvel {", "",
             "namespace {", "", "// clang-format off", "constexpr UnitAlias Aliases[] = {"]
    for alias in aliases:
        lines.append("    {%s, %s, %s, AliasKind::%s}," % (
            cpp_string(alias.group), cpp_string(alias.unit), cpp_string(alias.text), alias.kind))
    lines += ["};", "// clang-format on", "", "} // namespace", "",
              "std::span<const UnitAlias> DeliveredAliases() {", "    return Aliases;", "}", "",
              "} // namespace quorvel", ""]
    return "\n".join(lines)


def dimension_table_source(groups, dimensions):
    lines = ["// SPDX-FileCopyrightText: 2026 The Quorvel developers",
             "// SPDX-License-Identifier: GPL-3.0-or-later",
             "",
             "// Generated by data/generate_units.py from data/units.def: do not edit.",
             "", '#include "core/delivereddimensions.h"', "", "namespace quorvel {", "",
             "namespace {", "",
             "// Exponents of %s." % ", ".join(BASE_QUANTITIES),
             "// clang-format off", "constexpr GroupDimension Dimensions[] = {"]
    for name, units in groups:
        dimension = dimensions[name]
        lines.append("    {%s, %s, Dimension{{%s}}, %s}," % (
            cpp_string(name), cpp_string(units[0].name),
            ", ".join(str(e) for e in dimension.exponents),
            cpp_string(factor_text(dimension.scale))))
    lines += ["};", "// clang-format on", "", "} // namespace", "",
              "std::span<const GroupDimension> DeliveredDimensions() {", "    return Dimensions;",
              "}", "", "} // namespace quorvel", ""]
    return "\n".join(lines)


def is_finite_decimal(value):
    denominator = value.denominator
    for prime in (2, 5):
        while denominator % prime == 0:
            denominator //= prime
    return denominator == 1


def decimal_digits(value):
    """Significant digits and exponent e with |value| = 0.digits x 10^e: exact when the
    decimal ends, else rounded half to even at SIGNIFICANT_DIGITS."""
    value = abs(value)
    exponent = len(str(value.numerator)) - len(str(value.denominator))
    while Fraction(10) ** exponent <= value:
        exponent += 1
    while Fraction(10) ** (exponent - 1) > value:
        exponent -= 1
    if is_finite_decimal(value):
        digits = ""
        rest = value / Fraction(10) ** exponent
        while rest:
            rest *= 10
            digit = int(rest)
            digits += str(digit)
            rest -= digit
        return digits, exponent
    scaled = value * Fraction(10) ** (SIGNIFICANT_DIGITS - exponent)
    rounded = round(scaled)  # Fraction rounds half to even
    if len(str(rounded)) > SIGNIFICANT_DIGITS:
        exponent += 1
        rounded = round(value * Fraction(10) ** (SIGNIFICANT_DIGITS - exponent))
    return str(rounded).rstrip("0"), exponent


def factor_text(value):
    """The factor as the program reads it: plain between 0.0001 and 1E15, else E notation."""
    if value == 0:
        return "0"
    digits, exponent = decimal_digits(value)
    sign = "-" if value < 0 else ""
    if -3 <= exponent <= 15:
        if exponent <= 0:
            return sign + "0." + "0" * -exponent + digits
        if len(digits) <= exponent:
            return sign + digits + "0" * (exponent - len(digits))
        return sign + digits[:exponent] + "." + digits[exponent:]
    mantissa = digits[0] + ("." + digits[1:] if len(digits) > 1 else "")
    return "%s%sE%d" % (sign, mantissa, exponent - 1)


def unit_factor_text(unit):
    """The unit's line in the factors file: the factor, or k/x for a reciprocal unit."""
    return factor_text(unit.value) + ("/x" if unit.reciprocal else "")


def check_group_name(name):
    if not name or name != name.strip(" .") or FORBIDDEN_IN_FILE_NAMES & set(name):
        raise DefinitionError("%r cannot be a file name everywhere" % name)


def write_lines(path, lines):
    with open(path, "wb") as target:
        for line in lines:
            target.write(line.encode("ascii") + b"\r\n")


def write_database(groups, folder):
    os.makedirs(folder, exist_ok=True)
    write_lines(os.path.join(folder, "Groups.ung"), [name for name, _ in groups])
    for name, units in groups:
        check_group_name(name)
        write_lines(os.path.join(folder, name + ".uns"), [unit.name for unit in units])
        write_lines(os.path.join(folder, name + ".unf"), [unit_factor_text(u) for u in units])


def write_text(path, text):
    with open(path, "w", encoding="utf-8", newline="\n") as target:
        target.write(text)


def differences(expected_folder, actual_folder):
    expected = set(os.listdir(expected_folder))
    actual = set(os.listdir(actual_folder))
    problems = ["missing: " + name for name in sorted(expected - actual)]
    problems += ["not generated: " + name for name in sorted(actual - expected)]
    for name in sorted(expected & actual):
        if not filecmp.cmp(os.path.join(expected_folder, name),
                           os.path.join(actual_folder, name), shallow=False):
            problems.append("differs: " + name)
    return problems


def print_summary(groups, aliases):
    for name, units in groups:
        count = sum(1 for alias in aliases if alias.group == name)
        print("%-22s %4d units %5d aliases" % (name, len(units), count))
    print("%-22s %4d units %5d aliases" % ("all groups", sum(len(u) for _, u in groups),
                                           len(aliases)))


def print_shared(groups, aliases):
    shared = shared_across_groups(groups, aliases)
    print("Aliases shared across groups (the pair of units of a typed conversion decides):")
    for text, owners in shared.items():
        print("  %-12s %s" % (text, "; ".join("%s: %s" % owner for owner in owners)))


def check_outputs(groups, folder, tables):
    """What differs between the written outputs and what the definitions give; `tables` maps
    the path of each C++ source to its text."""
    with tempfile.TemporaryDirectory() as expected:
        write_database(groups, expected)
        problems = differences(expected, folder)
    for path, table in tables.items():
        try:
            with open(path, encoding="utf-8", newline="") as current:
                if current.read() != table:
                    problems.append("differs: " + path)
        except FileNotFoundError:
            problems.append("missing: " + path)
    return problems


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--definitions", default=os.path.join(HERE, "units.def"))
    action = parser.add_mutually_exclusive_group(required=True)
    action.add_argument("--out", help="folder to write the database into")
    action.add_argument("--check", help="folder whose files must equal the generated ones")
    parser.add_argument("--aliases", default=DEFAULT_ALIASES,
                        help="the C++ source of the alias table, written or checked")
    parser.add_argument("--dimensions", default=DEFAULT_DIMENSIONS,
                        help="the C++ source of the groups' dimensions, written or checked")
    parser.add_argument("--summary", action="store_true", help="print units and aliases per group")
    arguments = parser.parse_args()
    dimensions = {}
    try:
        groups = parse_definitions(arguments.definitions, dimensions)
        aliases = all_aliases(groups)
        check_aliases_within_groups(groups, aliases)
    except DefinitionError as error:
        print(error, file=sys.stderr)
        return 2
    tables = {arguments.aliases: alias_table_source(aliases),
              arguments.dimensions: dimension_table_source(groups, dimensions)}
    if arguments.summary:
        print_summary(groups, aliases)
    if arguments.out:
        write_database(groups, arguments.out)
        for path, table in tables.items():
            write_text(path, table)
        print_shared(groups, aliases)
        return 0
    problems = check_outputs(groups, arguments.check, tables)
    for problem in problems:
        print(problem, file=sys.stderr)
    if problems:
        print("Run data/generate_units.py --out data/Files", file=sys.stderr)
    return 1 if problems else 0


if __name__ == "__main__":
    sys.exit(main())
