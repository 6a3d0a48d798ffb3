#!/usr/bin/env python3
"""Writes the delivered units database (data/Files/) from data/units.def.

The definitions file is the one source of truth: every unit's factor is an exact rational
number computed from the definitions with fractions.Fraction. A factor whose decimal expansion
ends is written with all its digits; any other with 25 significant digits, more than the
program's 64-bit mantissa can hold.

Usage:
  generate_units.py [--definitions FILE] --out FOLDER   write the database into FOLDER
  generate_units.py [--definitions FILE] --check FOLDER fail if FOLDER differs from the output
"""

import argparse
import filecmp
import os
import re
import sys
import tempfile
from fractions import Fraction

HERE = os.path.dirname(os.path.abspath(__file__))
SI_PREFIXES = {  # symbol: (name, power of ten); "u" stands for micro to keep names ASCII
    "Q": ("quetta", 30), "R": ("ronna", 27), "Y": ("yotta", 24), "Z": ("zetta", 21),
    "E": ("exa", 18), "P": ("peta", 15), "T": ("tera", 12), "G": ("giga", 9),
    "M": ("mega", 6), "k": ("kilo", 3), "h": ("hecto", 2), "da": ("deca", 1),
    "d": ("deci", -1), "c": ("centi", -2), "m": ("milli", -3), "u": ("micro", -6),
    "n": ("nano", -9), "p": ("pico", -12), "f": ("femto", -15), "a": ("atto", -18),
    "z": ("zepto", -21), "y": ("yocto", -24), "r": ("ronto", -27), "q": ("quecto", -30),
}
SIGNIFICANT_DIGITS = 25
FORBIDDEN_IN_FILE_NAMES = set('/\\:*?"<>|')


class DefinitionError(Exception):
    pass


class Expression:
    """A recursive-descent evaluator of + - * / ^ ( ), numbers and names, in exact fractions."""

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
            if exponent.denominator != 1:
                raise DefinitionError("exponents must be whole numbers")
            return base ** int(exponent)
        return base

    def unary(self):
        if self.take("-"):
            return -self.unary()
        kind, text = self.peek()
        self.pos += 1
        if kind == "num":
            return Fraction(text)
        if kind == "name":
            if text not in self.names:
                raise DefinitionError("unknown name %r" % text)
            return self.names[text]
        if (kind, text) == ("sym", "("):
            value = self.sum()
            if not self.take(")"):
                raise DefinitionError("missing )")
            return value
        raise DefinitionError("unexpected %r" % text)


def parse_definitions(path):
    """Returns [(group name, [(unit name, Fraction, source comment)])] in file order."""
    groups = []
    names = {}

    def define(name_id, value, line_number):
        if name_id in names:
            raise DefinitionError("line %d: %r is defined twice" % (line_number, name_id))
        names[name_id] = value

    with open(path, encoding="utf-8") as source:
        for line_number, raw in enumerate(source, 1):
            text, _, comment = raw.partition("#")
            text = text.strip()
            if not text:
                continue
            try:
                if text.startswith("group "):
                    groups.append((text[len("group "):].strip(), []))
                    continue
                if text.startswith("const "):
                    name_id, _, expression = text[len("const "):].partition("=")
                    define(name_id.strip(), Expression(expression, names).evaluate(), line_number)
                    continue
                if not groups:
                    raise DefinitionError("a unit before the first group")
                if not comment.strip():
                    raise DefinitionError("a unit without a comment naming its source")
                units = groups[-1][1]
                if text.startswith("prefixes "):
                    head, _, symbols = text[len("prefixes "):].partition(":")
                    name_id, unit_name = head.split(None, 1)
                    for symbol in symbols.split():
                        prefix, power = SI_PREFIXES[symbol]
                        value = names[name_id] * Fraction(10) ** power
                        define(symbol + name_id, value, line_number)
                        units.append((prefix + unit_name.strip(), value, comment.strip()))
                    continue
                head, equals, expression = text.partition("=")
                if not equals:
                    raise DefinitionError("expected 'id name = expression'")
                name_id, unit_name = head.strip().split(None, 1)
                value = Expression(expression, names).evaluate()
                define(name_id, value, line_number)
                units.append((unit_name.strip(), value, comment.strip()))
            except (DefinitionError, KeyError, ValueError, ZeroDivisionError) as error:
                raise DefinitionError("%s:%d: %s" % (path, line_number, error)) from None
    return groups


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
        write_lines(os.path.join(folder, name + ".uns"), [unit for unit, _, _ in units])
        write_lines(os.path.join(folder, name + ".unf"), [factor_text(v) for _, v, _ in units])


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


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--definitions", default=os.path.join(HERE, "units.def"))
    action = parser.add_mutually_exclusive_group(required=True)
    action.add_argument("--out", help="folder to write the database into")
    action.add_argument("--check", help="folder whose files must equal the generated ones")
    parser.add_argument("--summary", action="store_true", help="print units per group")
    arguments = parser.parse_args()
    try:
        groups = parse_definitions(arguments.definitions)
        if arguments.summary:
            for name, units in groups:
                print("%-22s %4d" % (name, len(units)))
            print("%-22s %4d" % ("all groups", sum(len(units) for _, units in groups)))
        if arguments.out:
            write_database(groups, arguments.out)
            return 0
        with tempfile.TemporaryDirectory() as folder:
            write_database(groups, folder)
            problems = differences(folder, arguments.check)
        for problem in problems:
            print(problem, file=sys.stderr)
        if problems:
            print("Run data/generate_units.py --out data/Files", file=sys.stderr)
        return 1 if problems else 0
    except DefinitionError as error:
        print(error, file=sys.stderr)
        return 2


if __name__ == "__main__":
    sys.exit(main())
