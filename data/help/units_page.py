#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 The Quorvel developers
# SPDX-License-Identifier: GPL-3.0-or-later

"""Writes the manual's page of delivered groups and units from data/units.def.

The page is generated at build time, so it always lists exactly what data/Files/ holds: every
group in order, every unit with its symbols, its factor against the group's first unit and the
source its definition names, and the list of sources from the head of the definitions file.

Usage: units_page.py [--definitions FILE] --out PAGE
"""

import argparse
import html
import os
import re
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
sys.path.insert(0, os.path.dirname(HERE))
import generate_units  # noqa: E402  (lives one folder up, beside units.def)

SOURCE_LINE = re.compile(r"^#\s+(\[[^\]]+\])\s+(.*)$")
CONTINUATION = re.compile(r"^#\s{6,}(\S.*)$")


def read_sources(path):
    """The [TAG] legend of the definitions file's head: [(tag, description)]."""
    sources = []
    with open(path, encoding="utf-8") as source:
        for line in source:
            if not line.startswith("#"):
                break
            tagged = SOURCE_LINE.match(line.rstrip())
            if tagged:
                sources.append([tagged.group(1), tagged.group(2)])
                continue
            more = CONTINUATION.match(line.rstrip())
            if more and sources:
                sources[-1][1] += " " + more.group(1)
    return sources


def anchor(group):
    return "group-" + re.sub(r"[^A-Za-z0-9]+", "-", group).strip("-").lower()


def page(groups, sources):
    def e(text):
        return html.escape(text, quote=False)

    unit_count = sum(len(units) for _, units in groups)
    out = ['<!DOCTYPE html>', '<html><head><meta charset="utf-8">',
           '<title>Delivered groups and units</title>',
           '<link rel="stylesheet" type="text/css" href="style.css"></head><body>',
           '<h1>Delivered groups and units</h1>',
           '<p>Quorvel comes with %d groups and %d units. In each group the first unit is the '
           'base unit; the factor of a unit is its size in base units, so converting multiplies '
           'by the factor of the source unit and divides by the factor of the target unit. The '
           'Temperature group is the exception: it converts by formulas, and its factors only '
           'give the size of each degree. A factor written k/x belongs to a reciprocal unit, '
           'such as litres per 100 km against kilometres per litre: a value v of it is k / v '
           'base units.</p>' % (len(groups), unit_count),
           '<p>Your own changes made in Preferences are not shown here: this page lists the '
           'units as they are delivered.</p>', '<p>']
    out.append(" &middot; ".join('<a href="#%s">%s</a>' % (anchor(name), e(name))
                                 for name, _ in groups))
    out.append('</p>')
    for name, units in groups:
        out.append('<h2><a name="%s" id="%s"></a>%s</h2>' % (anchor(name), anchor(name), e(name)))
        out.append('<table class="units"><tr><th>Unit</th><th>Symbols</th>'
                   '<th>Factor (in %s)</th><th>Source</th></tr>' % e(units[0].name))
        for unit in units:
            out.append('<tr><td>%s</td><td>%s</td><td>%s</td><td>%s</td></tr>'
                       % (e(unit.name), e(", ".join(unit.symbols)),
                          e(generate_units.unit_factor_text(unit)), e(unit.source)))
        out.append('</table>')
    out.append('<h2><a name="sources" id="sources"></a>Sources</h2><table class="units">')
    for tag, description in sources:
        out.append('<tr><td>%s</td><td>%s</td></tr>' % (e(tag), e(description)))
    out.append('</table>')
    out.append('<p>See also: <a href="database.html">The units database</a>.</p>')
    out.append('</body></html>')
    return "\n".join(out) + "\n"


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--definitions",
                        default=os.path.join(os.path.dirname(HERE), "units.def"))
    parser.add_argument("--out", required=True)
    arguments = parser.parse_args()
    try:
        groups = generate_units.parse_definitions(arguments.definitions)
    except generate_units.DefinitionError as error:
        print(error, file=sys.stderr)
        return 2
    with open(arguments.out, "w", encoding="utf-8") as target:
        target.write(page(groups, read_sources(arguments.definitions)))
    return 0


if __name__ == "__main__":
    sys.exit(main())
