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


# The 57-line soil-property file of the selected cell "top" (id 4711, elevation 200), from the layout table.
RULE = "-" * 92
HEAD = [RULE, "NITROGEN AND DECOMPOSITION PARAMETERS",
        "0.02      (prop.)   denitrification rate per g of CO2 respiration of SOM",
        "0.2       (prop.)   nitrification coefficient 1",
        "0.07      (prop.)   nitrification coefficient 2",
        "0.02      (prop.)   coefficient of N2O emission of nitrification",
        "0.1       (prop.)   NH4 mobilen proportion",
        "1.0       (prop.)   NO3 mobilen proportion",
        "10        (m)       e-folding depth of decomposition rate depth scalar",
        "0.002     (prop.)   fraction of dissolved part of SOIL1 organic matter",
        "0.002     (prop.)   fraction of dissolved part of SOIL2 organic matter",
        "0.002     (prop.)   fraction of dissolved part of SOIL3 organic matter",
        "0.002     (prop.)   fraction of dissolved part of SOIL4 organic matter",
        RULE, "RATE SCALARS",
        "0.44      (prop)    respiration fractions for fluxes between compartments (l1s1)",
        "0.51      (prop)    respiration fractions for fluxes between compartments (l2s2)",
        "0.33      (prop)    respiration fractions for fluxes between compartments (l4s3)",
        "0.33      (prop)    respiration fractions for fluxes between compartments (s1s2)",
        "0.51      (prop)    respiration fractions for fluxes between compartments (s2s3)",
        "0.61      (prop)    respiration fractions for fluxes between compartments (s3s4)",
        "0.7       (1/day)   rate constant scalar of  labile litter pool",
        "0.07      (1/day)   rate constant scalar of cellulose litter pool",
        "0.014     (1/day)   rate constant scalar of lignin litter pool",
        "0.07      (1/day)   rate constant scalar of  fast microbial recycling pool",
        "0.014     (1/day)   rate constant scalar of  medium microbial recycling pool",
        "0.0014    (1/day)   rate constant scalar of  slow microbial recycling pool",
        "0.0001    (1/day)   rate constant scalar of  recalcitrant SOM (humus) pool",
        "0.001     (1/day)   rate constant scalar of  physical fragmentation of coarse woody debris",
        RULE, "CH4 PARAMETERS",
        "212.5     (DIM)     soil CH4 emission bulk density dependence parameter1",
        "1.81      (DIM)     soil CH4 emission bulk density dependence parameter2",
        "-1.353    (DIM)     soil CH4 emission soil water content dependence parameter1",
        "0.2       (DIM)     soil CH4 emission soil water content dependence parameter2",
        "1.781     (DIM)     soil CH4 emission soil water content dependence parameter3",
        "6.786     (DIM)     soil CH4 emission soil water content dependence parameter4",
        "0.010     (DIM)     soil CH4 emission soil temperature dependence parameter1",
        RULE, "SOIL PARAMETERS"]
SOURCE = [1, 1, 1, 2, 3, 4, 4, 4, 4, 4]
# bd (kg/m3), som, lime, ph, sand, silt, clay, sat, fc, wp per source layer
LAYERS = [["1450", "2.1", "0.5", "7.2", "40", "40", "20", "45.1", "30.2", "12.3"],
          ["1500", "1.8", "0.4", "7.3", "38", "42", "20", "44", "31", "13"],
          ["1550", "1.2", "0.3", "7.4", "35", "45", "20", "43", "32", "14"],
          ["1600", "0.8", "0.2", "7.5", "30", "50", "20", "42", "33", "15"]]


def layer_line(values, comment):
    cols = [pad(values[s - 1], 12 if m == 9 else 8) for m, s in enumerate(SOURCE)]
    return "".join(cols) + comment


def pad(value, width):
    return value[:width] if len(value) >= width else value + " " * (width - len(value))


def selected_soil(name, ident, depth, curve, sep):
    f = lambda v, p, d: fixed(v, p, d, sep)
    col = lambda k: [layer[k] for layer in LAYERS]
    num = lambda k: [float(layer[k]) for layer in LAYERS]
    lines = ["SOILPROP FILE - MuSo6, site/cell: " + name + " " + str(ident)] + HEAD
    lines.append(pad(f(depth / 100, 5, 2), 10) + "(m)       depth of soil")
    lines.append("0.6       (DIM)     ratio of bare soil evaporation and pot.evaporation")
    lines.append("0.0       (mm)      maximum height of pond water")
    lines.append(curve + "        (dimless) measured runoff curve number (-9999: no measured data, model estimation)")
    lines += [RULE, "SOIL COMPOSITION AND CHARACTERISTIC VALUES (-9999: no measured data)"]
    sand, clay = num(4), num(6)
    lines.append(layer_line(col(4), "(%) sand percentage by volume in rock-free soil"))
    lines.append(layer_line(col(5), "(%) silt percentage by volume in rock-free soil"))
    lines.append(layer_line(col(3), "(dimless) soil pH"))
    lines.append(layer_line([f(v / 1000, 4, 2) for v in num(0)], "(g/cm3) bulk density"))
    lines.append(layer_line([f(v / 100, 4, 3) for v in num(7)], "(m3/m3) SWC at saturation"))
    lines.append(layer_line([f(v / 100, 4, 3) for v in num(8)], "(m3/m3) SWC at field capacity"))
    lines.append(layer_line([f(v / 100, 4, 3) for v in num(9)], "(m3/m3) SWC at wilting point"))
    lines.append(layer_line(["0.005"] * 4, "(m3/m3) SWC at hygroscopic water content"))
    lines.append(layer_line([f(0.8 - (100 - s) * 0.005 - c * 0.003, 4, 2) for s, c in zip(sand, clay)],
                            "(dimless) drainage coefficient"))
    lines.append(layer_line([f(250 - (100 - s) * 2.1 - c * 0.75, 4, 2) for s, c in zip(sand, clay)],
                            "(cm/day) hydraulic condictivity at saturation"))
    assert len(lines) == 57
    return lines


for name, sep in SEPARATORS.items():
    write(f"selected_top_{name}.soi", selected_soil("top", 4711, 150, "60", sep))
