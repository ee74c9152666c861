#!/usr/bin/env python3
# Writes the input fixtures and expected files of the spin-up run-control, crop-model project,
# agromanagement and soil file tests, line by line from the file layouts, without the C++ writers.
# Run from any folder: python3 tests/data/app/make_crop_expected.py
import os
from decimal import Decimal, ROUND_HALF_UP

HERE = os.path.dirname(os.path.abspath(__file__))
CRLF = "\r\n"


def write(path, lines, trailing_blank=False):
    """Lines joined by CR LF, each ended, in Windows-1250."""
    full = os.path.join(HERE, path)
    os.makedirs(os.path.dirname(full), exist_ok=True)
    text = "".join(line + CRLF for line in lines)
    if trailing_blank:
        text += CRLF
    with open(full, "wb") as f:
        f.write(text.encode("cp1250"))


def pad(value, width):
    return value[:width] if len(value) >= width else value + " " * (width - len(value))


def fixed(value, precision, decimals, sep="."):
    """Fixed-point text: rounded half away from zero on the exact value of the double to
    `precision` significant digits or `decimals` decimals, whichever keeps fewer, written
    with exactly `decimals` decimals."""
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


# --- run-control files --------------------------------------------------------------------

MEMO = [
    "1       (flag) phenology flag (1 = MODEL PHENOLOGY 0 = USER-SPECIFIED PHENOLOGY)",
    "1       (flag) use GSI index to calculate vegper if MODEL PHENOLOGY is used (0: original, 1: GSI)",
    "1       (flag) transferGDD flag (1= transfer calc. from GDD 0 = transfer calc. from EPC)",
    "1       (flag) q10 flag (1 = temperature dependent q10 value; 0= constans q10 value)",
    "1       (flag) acclimation flag of photosynthesis (1 = acclimation 0 = no acclimation)",
    "1       (flag) acclimation flag of respiration (1 = acclimation 0 = no acclimation)",
    "1       (flag) CO2 conductance reduction flag (0: no effect, 1: multiplier)",
    "0       (flag) soil temperature calculation method (0: Zheng, 1: DSSAT)",
    "1       (flag) soil hydrological calculation method (0: Richards, 1: tipping DSSAT)",
    "0       (int) discretization level of soil hydr.calc.[Richards-method] (0: low, 1: medium, 2: high)",
    "0       (flag) photosynthesis calculation method (0: Farquhar, 1: DSSAT)",
    "0       (flag) evapotranspiration calculation method (0: Penman-Montieth, 1: Priestly-Taylor)",
    "0       (flag) radiation calculation method (0: SWabs, 1: Rn)",
    "0       (flag) soilstress calculation method (0: based on VWC, 1: based on transp. demand)",
]
SPINUP_VALUES = ["1", "1", "0", "1", "1", "1", "1", "0", "1", "0", "0", "0", "0", "0"]

ANNUAL22 = [("2734", "annmax_lai"), ("3022", "cum_npp")] + [
    (str(base + k), f"soil{pool}c{k}") for pool, base in ((1, 418), (2, 428), (3, 438), (4, 448)) for k in range(5)
]
ANNUAL10 = [(str(458 + k), f"soilC{k}") for k in range(10)]


def spinup_ini(v):
    """The run-control file with the values of a spin-up writer (dict v)."""
    L = []

    def val(value, comment, width=60):
        L.append(pad(value, width) + comment)

    L += ["BBGCMuSo simulation", "", "MET_INPUT"]
    val(v["weather"], "(filename) met file name")
    val("4", "(int) number of header lines in met file")
    val("365", "(int) number of simdays in last simyear (truncated year: <= 365)")
    L += ["", "RESTART"]
    val(v["read"], "(flag) 1 = read restart; 0 = dont read restart")
    val(v["write"], "(flag) 1 = write restart; 0 = dont write restart")
    val(v["restart"], "(filename) name of the input restart file")
    val(v["restart"], "(filename) name of the output restart file")
    L += ["", "TIME_DEFINE"]
    if v["metyears"]:
        val(v["metyears"], "(int) number of meteorological data years")
    val(v["years"], "(int) number of simulation years")
    val("1951", "(int) first simulation year")
    val("1", "(flag) 1 = spinup run; 0 = normal run")
    val("6000", "(int) maximum number of spinup years")
    L += ["", "CO2_CONTROL"]
    val("1", "(flag) 0=constant; 1=vary with file")
    val("290.0", "(ppm) constant atmospheric CO2 concentration")
    val(v["co2"], "(filename) name of the CO2 file")
    L += ["", "NDEP_CONTROL"]
    val("1", "(flag) 0=constant; 1=vary with file")
    val("0.000200", "(kgN/m2/yr) wet+dry atmospheric deposition of N")
    val(v["ndep"], "(filename)  name of the N-dep file")
    L += ["", "SITE"]
    val(v["elev"], "(m)  site elevation")
    val(v["lat"], "(degrees) site latitude (- for S.Hem.)")
    val("0.20", "(DIM) site shortwave albedo")
    val(v["tavg"], "(Celsius) mean annual air temperature")
    val(v["dtavg"], "(Celsius) mean annual air temperature range")
    val("0.50", "(prop.) proprortion of NH4 flux of N-deposition")
    L += ["", v["soilkw"]]
    val(v["soil"], v["soilcomment"])
    L += ["", "EPC_FILE"]
    val(v["epc"], "(filename) EPC filename")
    L += ["", "MANAGEMENT_FILE"]
    val(v["mgm"], '(filename) MGM filename (or "no management")')
    L += ["", "SIMULATION_CONTROL"]
    for value, memo in zip(SPINUP_VALUES, MEMO):
        val(value, memo[8:])
    L += ["", "W_STATE"]
    val("0.0", "(kg/m2) water stored in snowpack")
    val("1.0", "(DIM) initial soil water as a proportion of field capacity")
    L += ["", "CN_STATE"]
    for what in ["leaf", "fine root", "fruit", "softstem", "live woody stem", "live coarse root"]:
        val("0.001", f"(kgC/m2)  first-year maximum {what} carbon", 67)
    zeros = "   ".join(["0.0"] * 10) + " " * 10
    for comment in [
        "(kgC/m2)  coarse woody debris carbon",
        "(kgC/m2)  litter carbon, labile pool",
        "(kgC/m2)  litter carbon, unshielded cellulose pool",
        "(kgC/m2)  litter carbon, shielded cellulose pool",
        "(kgC/m2)  litter carbon, lignin pool",
        "(kgC/m2)  soil carbon, fast microbial recycling pool",
        "(kgC/m2)  soil carbon, medium microbial recycling pool",
        "(kgC/m2)  soil carbon, slow microbial recycling pool",
        "(kgC/m2)  soil carbon, recalcitrant SOM (slowest)",
        "(kgN/m2)  litter nitrogen, labile pool",
        "(kgN/m2)  soil mineralized nitrogen, NH4 pool",
        "(kgN/m2)  soil mineralized nitrogen, NO3 pool",
    ]:
        assert len(zeros) == 67
        L.append(zeros + comment)
    L += ["", "CLIM_CHANGE"]
    val("0.0", "(degC) - offset for Tmax")
    val("0.0", "(degC) - offset for Tmin")
    val("1.0", "(degC) - multiplier for PRCP")
    val("1.0", "(degC) - multiplier for VPD")
    val("1.0 ", "(degC) - multiplier for RAD")
    L += ["", "CONDITIONAL_MANAGEMENT_STRATEGIES"]
    val("0", "(flag) conditional mowing ? 0 - no, 1 - yes")
    val("0.0", "(m2/m2) fixed value of the LAI before MOWING")
    val("0.0", "(m2/m2) fixed value of the LAI after MOWING")
    val("0.0", "(%) transported part of plant material after MOWING")
    val("0", "(flag) conditional irrigation? 0 - no, 1 - yes")
    val("0.0", "(prop) SMSI before cond. IRRIGATION (-9999: SWCratio is used)")
    val("0.0", "(prop) SWCratio of rootzone before cond. IRRIGATION (-9999: SMSI is used)")
    val("0.0", "(prop) SWCratio of rootzone after cond. IRRIGATION")
    val("0.0", "(kgH2O/m2) maximum amount of irrigated water")
    L += ["", "OUTPUT_CONTROL"]
    val(v["prefix"], "(filename) output prefix")
    val("0", "(flag)  writing daily output (0 = no; 1 = binary; 2 = ascii)")
    val("0", "(flag)  writing monthly average of daily output (0 = no; 1 = binary; 2 = ascii)")
    val("0", "(flag)  writing annual average of daily output (0 = no; 1 = binary; 2 = ascii)")
    val("2", "(flag)  writing annual output (0 = no; 1 = binary; 2 = ascii)")
    val(v["progress"], "(flag)  for on-screen progress indicator")
    L += ["", "DAILY_OUTPUT"]
    val("0", "number of daily output variables")
    L += ["", "ANNUAL_OUTPUT"]
    val(str(len(v["annual"])), "number of annual output variables", 10)
    for code, name in v["annual"]:
        val(code, name, 10)
    L += ["", "END_INIT"]
    return L


GRID3 = [
    "id10km;id100m;lat;long;elev;landuse;nuts3;Tavg;dTavg",
    "1;26410;45.8;17.9;97;3;HU231;11.00;10.31",
    "2;26520;45.8;18.0;95;1;HU231;11.09;10.28",
    "3;31877;45.9;18.2;152;1;HU231;10.95;10.42",
]
GRID3_SITES = {n: row.split(";") for n, row in enumerate(GRID3) if n > 0}


def make_spinup():
    write("spinup_ini/Tolvek_DB_GRID_TABLE3.csv", GRID3)
    # "MAKE INI", cell 2.
    f = GRID3_SITES[2]
    write("spinup_ini/expected/2_spinup.ini", spinup_ini(dict(
        weather="inputs/weather/2.wth", read="1", write="0", restart="inputs/spinup/2.endpoint",
        metyears="68", years="68", co2="inputs/auxiliary/CO2_RCP45.txt", ndep="inputs/auxiliary/Ndep_allRCP.txt",
        elev=f[4], lat=f[2], tavg=f[7], dtavg=f[8], soilkw="SOILPROP_FILE", soil="inputs/soil/10km2.soi",
        soilcomment="(filename) SPROP filename", epc="inputs/plant/c3grass_apriori_MuSo6.epc", mgm="no management",
        prefix="outputs/2", progress="1", annual=ANNUAL22)))

    # "MAKE selected INI": the second selection row takes row 2 of grid table 3.
    write("spinup_ini/SOCgroupIDs.csv", ["name;group;id10km", "run5;7;12", "run6;7;3"], trailing_blank=True)
    f = GRID3_SITES[2]
    write("spinup_ini/expected/run6_spinup.ini", spinup_ini(dict(
        weather="input/weather/grid/observed/foresee/0003.wth", read="0", write="1",
        restart="input/endpoint/run6.endpoint", metyears="", years="68", co2="inputs/auxiliary/CO2_RCP45.txt",
        ndep="inputs/auxiliary/Ndep_allRCP.txt", elev=f[4], lat=f[2], tavg=f[7], dtavg=f[8], soilkw="SOIL_FILE",
        soil="input/soil/site/run6.soi", soilcomment="(filename) SOIL filename",
        epc="input/plant/c3grass_generic.epc", mgm="none", prefix="outputs/0003", progress="0", annual=ANNUAL10)))

    # "MAKE 100m GRID INI": own latitude and elevation, temperatures of the 10 km cell.
    write("spinup_ini/Tolvek_DB_GRID_TABLE1.csv", [
        "id100m;id1km;id10km;lat;long;elev;landuse",
        "26410;2641;1;45.8123;17.9012;97.5;1",
        "31877;3187;3;45.9034;18.2045;149;1",
        "31878;3187;3;45.9041;18.2102;161;3",
    ], trailing_blank=True)
    f = GRID3_SITES[3]
    write("spinup_ini/expected/31878_spinup.ini", spinup_ini(dict(
        weather="input/weather/grid/observed/foresee/3.wth", read="0", write="1",
        restart="input/initialization/grid/100m/31878.endpoint", metyears="66", years="66",
        co2="input/auxiliary/CO2_RCP45.txt", ndep="input/auxiliary/Ndep_allRCP.txt", elev="161", lat="45.9041",
        tavg=f[7], dtavg=f[8], soilkw="SOIL_FILE", soil="input/soil/grid/100m/100m31878.soi",
        soilcomment="(filename) SPROP filename", epc="input/plant/c3grass_generic.pla", mgm="no management",
        prefix="outputs/31878", progress="1", annual=ANNUAL22)))


# --- project and agromanagement files of the 2016 season ----------------------------------

CROPS = ["kukorica", "napraforgo", "buza", "arpa", "repce", "ret es legelo"]
SEASON = {
    "kukorica": ("2016.01.01", "2016.11.15", "80", "2016001", "2016310"),
    "napraforgo": ("2016.01.01", "2016.10.15", "80", "2016001", "2016280"),
    "buza": ("2015.10.01", "2016.08.15", "75", "2016001", "2016200"),
    "arpa": ("2015.09.01", "2016.08.15", "55", "2016001", "2016200"),
    "repce": ("2015.08.01", "2016.08.15", "55", "2016001", "2016200"),
    "ret es legelo": ("2016.01.01", "2016.09.20", "80", "2016001", "2016260"),
}
FERTILISATION = {
    "kukorica": ["4711;130", "4712;"],
    "napraforgo": [],
    "buza": ["4711;130", "4713;", "5000;100", "5001; "],
    "arpa": ["99999999;80"],
    "repce": ["4711;", "4714;120,5"],
    "ret es legelo": [],
}
GRID1_2016 = [
    "id100m;id1km;id10km;lat;long;elev;landuse",
    "4711;471;415;46.1;18.3;110;1",
    "4713;471;1234567;46.1;18.3;112;1",          # a code keeps five characters
    "5000;1234567890123456;987654;46.2;18.4;1",  # the row is cut to 25 characters first
    "5001;500;88;46.2;18.4;130;1",
    "99999999;1;55;46.3;18.5;140;1",              # beyond the code table: no code
]
CODES = {"4711": "415", "4713": "12345", "5000": "987", "5001": "88"}


def make_project_and_agr():
    for crop in CROPS:
        write(f"crop2016/fertilisation/{crop}_fertilization_2016.csv",
              ["id100m;N"] + FERTILISATION[crop], trailing_blank=(crop == "napraforgo"))
    write("crop2016/Tolvek_DB_GRID_TABLE1.csv", GRID1_2016)
    for crop in CROPS:
        start, end, water, first, last = SEASON[crop]
        L = [f"PROJEKT ID  :\t{crop}", f"SIMUL START :\t{start}", f"SIMUL END   :\t{end}",
             f"INIT WATER% :\t{water}"]
        L += [f"{key}\tY" for key in ["HEAT STRESS :", "WATER STRESS:", "NITRO STRESS:", "CO2 EFFECT  :", "RUN ALL     :"]]
        L.append("TASKS (WEATHER|SOIL|AGROMANAGEMENT|OUTPUT SUMMARY FILE|OUTPUT VARIABLE):")
        for row in FERTILISATION[crop]:
            ident = row.split(";")[0]
            L.append("\t".join([CODES.get(ident, "777"), ident, f"{ident}_{crop}", first, last]))
        write(f"crop2016/expected_pro/{crop}.pro", L)

    events = {  # sowing, harvest, first and second fertilisation (date, depth), defaults, winter
        "kukorica": (("2016.04.20", "7", "MAIZgen"), ("2016.11.01", "30", "100"), ("2015.10.30", "25"), ("2016.03.30", "25"), ("0", "150"), False),
        "napraforgo": (("2016.04.15", "6", "SUNFgen"), ("2016.09.20", "30", "100"), ("2015.10.30", "25"), ("2016.03.30", "25"), ("0", "60"), False),
        "buza": (("2015.10.20", "500", "WHEAgen"), ("2016.07.15", "30", "100"), ("2015.10.05", "25"), ("2016.03.05", "5"), ("20", "100"), True),
        "arpa": (("2015.10.10", "450", "BARLgen"), ("2016.07.10", "30", "100"), ("2015.10.05", "25"), ("2016.03.05", "5"), ("20", "90"), True),
        "repce": (("2015.09.15", "100", "CANOgen"), ("2016.07.10", "30", "100"), ("2015.09.05", "25"), ("2016.03.05", "5"), ("20", "120"), True),
        "ret es legelo": (("2016.02.01", "100", "PASTgen"), ("2016.09.15", "30", "100"), ("2015.10.30", "25"), ("2016.03.05", "5"), ("0", "20"), False),
    }
    for crop in CROPS:
        sowing, harvest, fert1, fert2, amounts, winter = events[crop]
        for row in FERTILISATION[crop]:
            ident, amount = row.split(";")
            amount = amount.lstrip(" ")
            if amount != "":
                if winter:
                    n = float(amount.replace(",", "."))
                    amounts = (fixed(n * 0.25, 5, 1), fixed(n * 0.75, 5, 1))
                else:
                    amounts = ("0", amount)
            L = agro_header(crop, "t/ha")
            L.append("SOWING\t" + "\t".join(sowing))
            L.append("HARVES\t" + "\t".join(harvest))
            L.append("FERTIL\t" + "\t".join(fert1) + "\t" + amounts[0])
            L.append("FERTIL\t" + "\t".join(fert2) + "\t" + amounts[1])
            write(f"crop2016/expected_agr/{ident}_{crop}.agr", L)


def agro_header(file_id, manure_unit):
    return [
        f"AGROM FILE ID:\t{file_id}",
        "SOWING:         date | plant density | plant(file)",
        "FERTILIZATION:\tdate | incorporation depth, cm | N active ingredient, kg/ha",
        f"MANURE:\t\tdate | incorporation depth, cm | amount, {manure_unit}",
        "HARVEST:\tdate | incorporation depth, cm | percentage of byproduct incorporated",
        "IRRIGATION:\tdate | amount of applied water, mm",
        "-" * 85,
    ]


# --- "4M agr" ----------------------------------------------------------------------------

FIELD_CROPS = {  # sowing, harvest, first fertil (date, depth), second, manure, winter
    "Kukorica": (("2017.04.20", "7", "MAIZgen"), ("2017.10.20", "30", "100"), ("2016.09.15", "25"), ("2017.04.05", "25"), ("2016.09.30", "25"), False),
    "Napraforgó": (("2017.04.15", "7", "SUNFgen"), ("2017.09.20", "30", "100"), ("2016.09.15", "25"), ("2017.04.05", "25"), ("2016.09.30", "25"), False),
    "Őszi káposztarepce": (("2017.09.01", "7", "RAPSgen"), ("2017.07.01", "30", "100"), ("2016.08.25", "25"), ("2017.03.05", "5"), ("2016.09.05", "25"), True),
    "Őszi búza": (("2017.10.05", "7", "WHEAgen"), ("2017.07.10", "30", "100"), ("2016.09.25", "25"), ("2017.03.05", "5"), ("2016.09.25", "25"), True),
    "Őszi árpa": (("2017.09.25", "7", "BARLgen"), ("2017.07.05", "30", "100"), ("2016.09.20", "25"), ("2017.03.05", "5"), ("2016.09.20", "25"), True),
}
FIELDS = [
    ("12", "150", "F01", "Őszi búza"),
    ("0", "137,5", "F02", "Őszi árpa"),
    ("8,5", "90", "F03", "Őszi káposztarepce"),
    ("10", "120", "F04", "Kukorica"),
    ("0", "80", "Kiskőrös_5", "Napraforgó"),
    ("5", "60", "F06", "Lucerna"),
    ("5", "60", "F07", "őszi búza"),  # names are compared exactly: lower-case "ő" is another crop
]


def make_field_agr():
    write("field_agr/forman.csv", ["trágya;N;tábla;növény"] + [";".join(f) for f in FIELDS], trailing_blank=True)
    for manure, nitrogen, field, crop in FIELDS:
        L = agro_header(field, "kgN/ha")
        if crop in FIELD_CROPS:
            sowing, harvest, fert1, fert2, man, winter = FIELD_CROPS[crop]
            n = float(nitrogen.replace(",", "."))
            first, second = (fixed(n * 0.2, 4, 1), fixed(n * 0.8, 4, 1)) if winter else ("0", nitrogen)
            L.append("SOWING\t" + "\t".join(sowing))
            L.append("HARVES\t" + "\t".join(harvest))
            L.append("FERTIL\t" + "\t".join(fert1) + "\t" + first)
            L.append("FERTIL\t" + "\t".join(fert2) + "\t" + second)
            L.append("MANURE\t" + "\t".join(man) + "\t" + manure)
        write(f"field_agr/expected/{field}.agr", L)


# --- crop-model soil files ------------------------------------------------------------------

def soil_file(ident, lat, lon, elev, depth, horizons, sep="."):
    """horizons: four dicts with bd, om (text), sand, clay, sat, fc, wp."""
    def key(k, values):
        return k + "".join("\t" + v for v in values)

    cn = "80" if elev > 500 else "70" if elev > 200 else "60"
    drain = [0.8 - (100 - h["sand"]) * 0.005 - h["clay"] * 0.003 for h in horizons]
    ksat = [250 - (100 - h["sand"]) * 2.1 - h["clay"] * 0.75 for h in horizons]
    L = [
        key("SOIL ID ------------------------:", [ident]),
        key("LOCATION, latitude (deg) -------:", [lat]),
        key("LOCATION, longitude (deg) ------:", [lon]),
        key("TEXTURE ------------------------:", ["NA"]),
        "",
        "SOIL SURFACE DATA:",
        key("ALBEDO -------------------------:", ["0.15"]),
        key("1st STAGE EVAPORATION LIMIT (mm):", ["5"]),
        key("RUNOFF CURVE NUMBER (0-100) ----:", [cn]),
        key("MAX POND DEPTH (mm) ------------:", ["0"]),
        key("MIN WATER CONTENT (cm3/cm3) ----:", ["0.01"]),
        key("FERTILE ZONE DEPTH (cm) --------:", [depth]),
        "",
        "PROFILE MATERIALS DATA:",
        key("HORIZON NR ---------------------:", ["1", "2", "3", "4"]),
        key("HORIZON ID ---------------------:", ["H1", "H2", "H3", "H4"]),
        key("BULK DENSITY (g/cm3) -----------:", [fixed(h["bd"] / 1000, 4, 2, sep) for h in horizons]),
        key("ROOT HOSPITABILITY (0-1) -------:", ["1"] * 4),
        key("MAX WATER CAPACITY (cm3/cm3) ---:", [fixed(h["sat"] / 100, 4, 3, sep) for h in horizons]),
        key("FIELD CAPACITY (cm3/cm3) -------:", [fixed(h["fc"] / 100, 4, 3, sep) for h in horizons]),
        key("WILTING POINT (cm3/cm3) --------:", [fixed(h["wp"] / 100, 4, 3, sep) for h in horizons]),
        key("DRAINAGE FACTOR (0-1) ----------:", [fixed(d, 4, 2, sep) for d in drain]),
        key("SATURATED CONDUCTIVITY (cm/d) --:", [fixed(k, 4, 2, sep) for k in ksat]),
        key("Kr(Se) FUNCTION PARAMETER ------:", ["1"] * 4),
        "",
        "PROFILE STRUCTURE & INITIAL CONDITION DATA:",
        key("DEPTH (cm) ---------------------:", ["2", "7", "13", "30", "60", "100", "130", "160", "190"]),
        key("MATERIAL -----------------------:", ["1", "1", "1", "1", "2", "3", "4", "4", "4"]),
        key("ORGANIC MATTER CONTENT (%) -----:", [horizons[m - 1]["om"] for m in [1, 1, 1, 1, 2, 3, 4, 4, 4]]),
        key("ORGANIC RESIDUE (kg/ha) --------:", ["50", "200", "500", "200", "100", "50", "1", "1", "1"]),
        key("NITRATE CONTENT (ppm) ----------:", ["20", "20", "20", "20", "10", "5", "2", "2", "1"]),
        key("AMMONIUM CONTENT (ppm) ---------:", ["1", "1", "1", "1", "0.5", "0.2", "0.2", "0.2", "0.1"]),
        key("AL-P2O5 CONTENT (ppm) ----------:", ["3", "3", "3", "3", "3", "3", "1", "1", "1"]),
        key("AL-K2O CONTENT (ppm) -----------:", ["3", "3", "3", "3", "3", "3", "1", "1", "1"]),
        key("pH () --------------------------:", ["7"] * 9),
        "",
        "NITROGEN BALANCE DATA:",
        key("MINERALIZATION RATE ------------:", ["0.001"]),
    ]
    assert len(L) == 38
    return L


HORIZON_SETS = [
    [dict(bd=1450, om="2.3", sand=50, clay=20, sat=45.5, fc=32.2, wp=14.6),
     dict(bd=1500, om="1.8", sand=40, clay=25, sat=44.0, fc=33.1, wp=16.0),
     dict(bd=1520, om="1.1", sand=35, clay=30, sat=42.3, fc=34.5, wp=18.2),
     dict(bd=1565, om="0.6", sand=62.5, clay=15, sat=40.1, fc=25.55, wp=10.3)],
    [dict(bd=1363, om="3,1", sand=23, clay=23, sat=49.3, fc=32.2, wp=14.6),
     dict(bd=1411, om="2.0", sand=22, clay=27, sat=47.1, fc=33.3, wp=17.7),
     dict(bd=1489, om="0.9", sand=21, clay=31, sat=44.4, fc=35.0, wp=20.1),
     dict(bd=1530, om="0.2", sand=18, clay=36, sat=43.0, fc=37.2, wp=23.4)],
]


def horizon_columns(h):
    # bulk density, organic matter, lime, pH, sand, silt, clay, saturation, field capacity, wilting point
    silt = 100 - h["sand"] - h["clay"]
    return [str(h["bd"]), h["om"], "0.1", "6.8", f'{h["sand"]:g}', f"{silt:g}", f'{h["clay"]:g}',
            f'{h["sat"]:g}', f'{h["fc"]:g}', f'{h["wp"]:g}']


def make_crop_soil():
    # 10 km soil grid: ids in 1-3, lat/long/elev in 4-6, depth in 9, horizon h from column 10·h.
    rows10 = [
        (("12", "5", "7"), "46.1", "18.3", "200", "150", HORIZON_SETS[0]),
        (("13", "6", "8"), "46.2", "18.4", "500", "300", HORIZON_SETS[1]),
        (("14", "6", "9"), "47.0", "19.1", "501", "95", HORIZON_SETS[0]),
    ]
    lines = [";".join(f"c{i}" for i in range(1, 50))]
    for ids, lat, lon, elev, depth, hs in rows10:
        cols = list(ids) + [lat, lon, elev, "HU231", "1", depth]
        for h in hs:
            cols += horizon_columns(h)
        assert len(cols) == 49
        lines.append(";".join(cols))
    write("crop_soil/10km_SOIL_GRID.csv", lines, trailing_blank=True)
    for sep, folder in ((".", "expected_10km"), (",", "expected_10km_comma")):
        for ids, lat, lon, elev, depth, hs in rows10:
            ident = "_".join(ids)
            write(f"crop_soil/{folder}/{ident}.soi", soil_file(ident, lat, lon, float(elev), depth, hs, sep))

    # 100 m: the soil database table and grid table 1, joined row by row.
    soil_rows = [("101", "120", 0), ("102", "80", 1), ("103", "60", 0), ("105", "200", 1), ("106", "150", 0)]
    grid_rows = [("101", "46.0012", "17.5001", "99"), ("102", "46.0013", "17.5002", "230.5"),
                 ("104", "46.0014", "17.5003", "250"), ("105", "46.0015", "17.5004", "640")]
    lines = [";".join(f"s{i}" for i in range(1, 43))]
    for ident, depth, k in soil_rows:
        cols = [ident, depth]
        for h in HORIZON_SETS[k]:
            cols += horizon_columns(h)
        assert len(cols) == 42
        lines.append(";".join(cols))
    write("crop_soil/Tolvek_DB_SOIL_TABLE.csv", lines)
    write("crop_soil/Tolvek_DB_GRID_TABLE1.csv", ["id100m;id1km;id10km;lat;long;elev;landuse"] +
          [f"{i};1;1;{lat};{lon};{elev};1" for i, lat, lon, elev in grid_rows])
    grid = {g[0]: g for g in grid_rows}
    for ident, depth, k in soil_rows:
        if ident in grid and [g[0] for g in grid_rows].index(ident) == [s[0] for s in soil_rows].index(ident):
            _, lat, lon, elev = grid[ident]
            write(f"crop_soil/expected_100m/{ident}.soi", soil_file(ident, lat, lon, float(elev), depth, HORIZON_SETS[k]))


make_spinup()
make_project_and_agr()
make_field_agr()
make_crop_soil()
