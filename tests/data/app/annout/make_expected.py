#!/usr/bin/env python3
# Writes the expected outputs of the annual output tool tests from the tools' rules, without the C++ code.
# Run from any folder: python3 tests/data/app/annout/make_expected.py
import os
from decimal import Decimal, ROUND_HALF_UP

HERE = os.path.dirname(os.path.abspath(__file__))
SEPARATORS = {"dot": ".", "comma": ","}


def write(name, lines):
    with open(os.path.join(HERE, name), "wb") as f:
        f.write("".join(line + "\r\n" for line in lines).encode("cp1250"))


def fixed(value, precision, decimals, sep="."):
    """Rounded half away from zero on the exact double to `precision` significant digits or
    `decimals` decimals, whichever keeps fewer, written with exactly `decimals` decimals."""
    x = Decimal(value)
    if x == 0:
        q = Decimal(0)
    else:
        exponent = max(x.adjusted() - precision + 1, -decimals)
        q = x.quantize(Decimal(1).scaleb(exponent), rounding=ROUND_HALF_UP)
    text = f"{q:.{decimals}f}"
    if text.startswith("-") and Decimal(text) == 0:
        text = text[1:]
    return text.replace(".", sep)


def carbon_balance(sep):
    # Cell 1: 2000 sets the bases of fields 6 and 7, 2001-2010 add up, 2001 sets the base of field 8.
    rows = [(2000, [9, 9, 9, 9, 5, 7, 100])]
    rows += [(y, [2, 3, 4, 5, 5 + (y - 2000) * 0.5, 7 + (y - 2000), 100 + (y - 2000) * 2]) for y in range(2001, 2011)]
    base6 = base7 = base8 = 0.0
    results = {}

    def cell(rows):
        nonlocal base6, base7, base8
        s = [0.0] * 4
        d6 = d7 = t8 = 0.0
        for year, f in rows:
            if year == 2000:
                base6, base7 = f[4], f[5]
            if year > 2000:
                for k in range(4):
                    s[k] += f[k]
                if year == 2001:
                    base8 = f[6]
            d6, d7, t8 = f[4] - base6, f[5] - base7, f[6]
        return [v / 10 for v in s] + [d6 / 10, d7 / 10, (t8 - base8) / 10]

    results[1] = cell(rows)
    # Cell 2: one row of 1999, using the bases cell 1 left.
    results[2] = cell([(1999, [1, 1, 1, 1, 4, 4, 50])])
    lines = ["ID;NPP;NEE;GPP;TER;HARVEST_C;CUT_C;TSOCchange"]
    for c in range(1, 1105):
        values = results.get(c, [0.0] * 7)
        lines.append(";".join([str(c)] + [fixed(v, 7, 6, sep) for v in values]))
    return lines


def scenario_means(sep):
    lines = []
    for c in range(1, 1105):
        rows = 10 if c == 7 else 31
        mean = sum(c + k for k in range(1, min(rows, 30) + 1)) / 30
        lines.append(";".join([str(c)] + [fixed(mean, 6, 3, sep)] * 4 + [fixed(0, 6, 3, sep)] * 8))
    return lines


def som(sep):
    group = [0.1, 0.2, 0.3, 0.4, 0.5]
    lines = ["ID;LAIav;BIOMav;SOM30;SOM60;SOM90"]
    for c in range(1, 1105):
        if c == 1:
            rows = [[0, 2, 10] + group * 4, [0, 4, 20, 0] + (group * 4)[1:]]
        else:
            rows = [[0, 2, 10] + group * 4]
        a = [0.0] * 6
        for f in rows:
            f = f + [0] * (23 - len(f))
            a[1] += f[1]
            a[2] += f[2]
            for g in range(4):
                first = 3 + 5 * g
                for k in range(3):
                    a[3] += f[first + k]
                a[4] += f[first + 3]
                a[5] += f[first + 4]
        n = len(rows)
        density = [1.5, 1.2, 1.0]
        values = [a[1] / n, a[2] / n * 10]
        values += [a[3 + k] / n / 0.58 * 100 / (density[k] * 0.3) for k in range(3)]
        lines.append(";".join([str(c)] + [fixed(v, 4, 2, sep) for v in values]))
    return lines


def shrunk(sep):
    # Two rows per cell: field 4 is c and c + 1, field 5 is 2c and 2c + 2; shrink 50 %.
    def p95(values):
        return sorted(values)[-1]  # two values: n / 20 rounds to 0

    def median(values):
        v = sorted(values)
        n = len(v)
        return (v[n // 2 - 1] + v[n // 2]) / 2

    f4 = {c: [c, c + 1] for c in range(1, 1105)}
    f5 = {c: [2 * c, 2 * c + 2] for c in range(1, 1105)}
    m4 = median([p95(f4[c]) for c in range(1, 1105)])
    m5 = median([p95(f5[c]) for c in range(1, 1105)])
    lines = []
    for c in range(1, 1105):
        a = [m4 + (v - m4) * 0.5 for v in f4[c]]
        b = [m5 + (v - m5) * 0.5 for v in f5[c]]
        stats = [median(a), p95(a), max(a)]
        lines.append(";".join([str(c)] + [fixed(v, 4, 2, sep) for v in a + b + stats]))
    return lines


def precipitation():
    texts = {c: "0" for c in range(1, 1105)}
    texts[3] = "12,5"
    texts[1104] = "7.25"
    return [f"{c};{texts[c]}" for c in range(1, 1105)]


for name, sep in SEPARATORS.items():
    write(f"tsoc_{name}.csv", carbon_balance(sep))
    write(f"maize_results_{name}.csv", scenario_means(sep))
    write(f"SOMgridSIM_{name}.csv", som(sep))
    write(f"PROCESSED_{name}.csv", shrunk(sep))
write("prec_grid.csv", precipitation())
