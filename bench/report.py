#!/usr/bin/env python3
"""Writes bench/RESULTS.md from one run of bench/run.sh: each operation of the
library as a ratio to the baseline measured in the same run."""
import argparse
import json
import math
import os
import platform
import subprocess

# (operation, benchmark, baseline, target ratio; None: stated, not judged)
CONVERSIONS = [("mm_to_in", "mm to in"), ("C_to_F", "°C to °F"), ("HV_to_HRC", "HV to HRC")]
ROWS = []
for key, label in CONVERSIONS:
    p = f"conversion/{key}/"
    target = 2.5 if key != "HV_to_HRC" else None
    ROWS += [
        (f"`value(int)` {label}", p + "value", p + "plain", target),
        (f"`viewValue()` {label}", p + "viewValue", p + "plain", target),
        (f"`copyTo(int).value()` {label}", p + "copyTo", p + "plain", None),
        (f"`changeTo` there and back {label}", p + "changeTo_round_trip", p + "plain_round_trip", None),
    ]
UDUNITS_ROWS = []
for key, label in CONVERSIONS[:2]:
    p = f"conversion/{key}/"
    UDUNITS_ROWS += [
        (f"`value(int)` {label}", p + "value", p + "udunits", 1.0),
        (f"`viewValue()` {label}", p + "viewValue", p + "udunits", 1.0),
        (f"`changeTo` there and back {label}", p + "changeTo_round_trip", p + "udunits_round_trip", None),
        (f"the inline loop {label} (the library's arithmetic)", p + "plain", p + "udunits", None),
    ]
ARITHMETIC_ROWS = [
    ("`(a + b).value()` mm + in", "arithmetic/sum/value", "arithmetic/sum/plain", 4.0),
    ("`(a * factor).value()` mm × factor", "arithmetic/product/value", "arithmetic/product/plain", None),
    ("`fuzzyCompare` mm with in", "arithmetic/fuzzyCompare/value", "arithmetic/fuzzyCompare/plain", None),
]
# The loops a host writes over its own containers (bench_host.cpp): each
# against the same loop over plain numbers with the arithmetic inline, and
# the conversions against cv_convert_double in that loop.
HOST_ROWS = []
HOST_UDUNITS_ROWS = []
for key, label in CONVERSIONS[:2]:
    for container in ("vector", "QVector"):
        p = f"host/{key}/{container}/"
        kind = "`std::vector`" if container == "vector" else "`QVector`"
        HOST_ROWS += [
            (f"`value(Unit)` {label}, {kind}", p + "value_constant", p + "plain", 2.5),
            (f"`value(unit)` {label}, {kind}", p + "value_variable", p + "plain", 2.5),
            (f"`viewValue()` {label}, {kind}", p + "viewValue", p + "plain", 2.5),
        ]
        u = f"host/{key}/vector/udunits"
        HOST_UDUNITS_ROWS += [
            (f"`value(Unit)` {label}, {kind}", p + "value_constant", u, 1.0),
            (f"`value(unit)` {label}, {kind}", p + "value_variable", u, 1.0),
            (f"`viewValue()` {label}, {kind}", p + "viewValue", u, 1.0),
        ]
    HOST_UDUNITS_ROWS.append((f"the inline loop {label}", f"host/{key}/vector/plain", f"host/{key}/vector/udunits", None))
for container, kind in (("vector", "`std::vector`"), ("QVector", "`QVector`")):
    HOST_ROWS.append((f"`(a + b).value()` mm + in, {kind}", f"host/sum/{container}/value", f"host/sum/{container}/plain", 4.0))
BULK_SIZES = (1000, 100000, 10000000)
FORMATTING_ROWS = [
    ("`viewValueString('g', 6)` mm shown in in", "formatting/viewValueString/value",
     "formatting/viewValueString/plain", 1.3),
    ("`viewValueSymbolString('g', 6)` mm shown in in", "formatting/viewValueSymbolString/value",
     "formatting/viewValueSymbolString/plain", 1.3),
]
PARSE_ROWS = [
    ("`fromString(\"12.5 mm\")` against `ut_parse(\"mm\")`", "parse/mm/value", "parse/mm/udunits", 1.0),
    ("`fromString(\"1000 kg/m^3\")` against `ut_parse(\"kg/m^3\")`", "parse/density/value",
     "parse/density/udunits", 1.0),
]
PERSISTENCE_ROWS = [
    ("`writeXml` + `readXml`, 100,000 values", "xml/write_read/value", "xml/write_read/plain", 1.5),
    ("`writeXml` alone", "xml/write/value", "xml/write/plain", None),
    ("`readXml` alone", "xml/read/value", "xml/read/plain", None),
    ("`QDataStream` write + read, 1,000,000 values", "datastream/write_read/value",
     "datastream/write_read/plain", 1.3),
]


def medians(path):
    """Median CPU time per run name, and the nanoseconds per number where the
    benchmark counts numbers (items)."""
    with open(path) as f:
        data = json.load(f)
    times = {}
    for run in data["benchmarks"]:
        if run.get("aggregate_name") == "median":
            items = run.get("items_per_second")
            times[run["run_name"]] = (run["cpu_time"], run["time_unit"], run.get("error_occurred", False),
                                      1e9 / items if items else None)
        elif run.get("error_occurred"):
            times[run["run_name"]] = (math.nan, "", True, None)
    return data["context"], times


def table_file(path):
    rows = {}
    if path:
        with open(path) as f:
            for line in f:
                fields = line.rstrip("\n").split("\t")
                if len(fields) >= 2 and fields[1]:
                    rows[fields[0]] = [float(x) for x in fields[1:]]
    return rows


def fmt_time(entry, per_item=False):
    value, unit, error, per_number = entry
    if error or math.isnan(value):
        return "error"
    return f"{per_number:.3g} ns" if per_item and per_number else f"{value:.3g} {unit}"


def per_number(entry):
    return entry[3] if entry and entry[3] and not entry[2] else math.nan


def verdict(ratio, target):
    if target is None or math.isnan(ratio):
        return ""
    return "met" if ratio < target or (target != 1.0 and ratio <= target) else "**missed**"


def section(title, rows, times, instructions, target_text, numbers_per_iteration=1, note=None):
    out = [f"### {title}", ""] + ([note, ""] if note else []) + [
           "| operation | baseline | library | baseline time | ratio (time) | ratio (instructions) | target | |",
           "|---|---|---|---|---|---|---|---|"]
    for label, bench, base, target in rows:
        if bench not in times or base not in times:
            continue
        t, b = times[bench], times[base]
        ratio = t[0] / b[0] if b[0] else math.nan
        ins = ""
        if bench in instructions and base in instructions and instructions[base][0] > 0:
            ins = (f"{instructions[bench][0] / instructions[base][0]:.2f}× "
                   f"({instructions[bench][0] / numbers_per_iteration:.1f}/"
                   f"{instructions[base][0] / numbers_per_iteration:.1f})")
        goal = "" if target is None else target_text(target)
        per_item = numbers_per_iteration > 1
        out.append(f"| {label} | `{base.split('/')[-1]}` | {fmt_time(t, per_item)} | {fmt_time(b, per_item)} | {ratio:.2f}× | {ins} | {goal} | {verdict(ratio, target)} |")
    return out + [""]


def ratio_text(a, b):
    return "" if math.isnan(a) or math.isnan(b) or not b else f"{a / b:.2f}×"


def bulk_section(times, instructions):
    """qzUnitSystem::convert of n numbers against the inline loop, value(int)
    per element, UDUNITS-2's cv_convert_doubles and a copy of the bytes."""
    out = ["### Arrays: `qzUnitSystem::convert` of n numbers", "",
           "Nanoseconds per number (median CPU time of the whole array divided by n); instructions per",
           "number from callgrind at n = 1000. Targets: `convert` at most 1.2× the inline loop; for HV to HRC",
           "at least 2× faster than `value(int)` per element.", "",
           "| conversion | n | inline loop | `convert` | `convert` / loop | `value(int)` each | `value(int)` / `convert` "
           "| `cv_convert_doubles` | `convert` / UDUNITS-2 | copy of the bytes | `convert` / copy | |",
           "|---|---|---|---|---|---|---|---|---|---|---|---|"]
    for key, label in CONVERSIONS:
        for n in BULK_SIZES:
            p = f"bulk/{key}/"
            plain, conv, each = (per_number(times.get(f"{p}{k}/{n}")) for k in ("plain", "convert", "value"))
            ud = per_number(times.get(f"{p}udunits/{n}"))
            copy = per_number(times.get(f"bulk/copy/{n}"))
            if math.isnan(conv):
                continue
            judged = []
            if not math.isnan(plain):
                judged.append("met" if conv / plain <= 1.2 else "**missed** (≤ 1.2×)")
            if key == "HV_to_HRC" and not math.isnan(each):
                judged.append("met" if each / conv >= 2.0 else "**missed** (≥ 2×)")
            cell = lambda x: "" if math.isnan(x) else f"{x:.3g}"
            out.append(f"| {label} | {n:,} | {cell(plain)} | {cell(conv)} | {ratio_text(conv, plain)} | {cell(each)} "
                       f"| {ratio_text(each, conv)} | {cell(ud)} | {ratio_text(conv, ud)} | {cell(copy)} "
                       f"| {ratio_text(conv, copy)} | {', '.join(judged)} |")
    out += ["", "Instructions per number at n = 1000 (callgrind):", "",
            "| conversion | inline loop | `convert` | `value(int)` each | `cv_convert_doubles` |", "|---|---|---|---|---|"]
    for key, label in CONVERSIONS:
        cells = []
        for k in ("plain", "convert", "value", "udunits"):
            count = instructions.get(f"bulk/{key}/{k}/1000")
            cells.append(f"{count[0] / 1000:.1f}" if count else "")
        out.append(f"| {label} | " + " | ".join(cells) + " |")
    big = times.get(f"bulk/copy/{BULK_SIZES[-1]}")
    if big and not big[2] and big[3]:
        gbs = 16.0 / big[3]  # two doubles moved (read and written) per number
        out += ["", f"Memory: a copy of {BULK_SIZES[-1]:,} doubles (80 MB read, 80 MB written) takes "
                f"{fmt_time(big, True)} per number, {gbs:.1f} GB/s moved: no conversion of that many numbers can be faster, "
                "and the column `convert` / copy shows how close each comes."]
    return out + [""]


def machine(load_before, load_after, date, build):
    model = "unknown"
    with open("/proc/cpuinfo") as f:
        for line in f:
            if line.startswith("model name"):
                model = line.split(":", 1)[1].strip()
                break
    compiler = subprocess.run(["c++", "--version"], capture_output=True, text=True).stdout.splitlines()[0]
    return [f"- CPU: {model}, {os.cpu_count()} cores ({platform.machine()})",
            f"- load average (1, 5, 15 min): {load_before} before the timed run, {load_after} after",
            f"- compiler: {compiler}",
            f"- build: {build}",
            f"- date: {date}"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--times", required=True)
    parser.add_argument("--instructions")
    parser.add_argument("--comparisons")
    parser.add_argument("--load-before", default="?")
    parser.add_argument("--load-after", default="?")
    parser.add_argument("--repetitions", default="?")
    parser.add_argument("--build", default="?", help="build type and compiler flags of the benchmarks")
    args = parser.parse_args()
    context, times = medians(args.times)
    instructions = table_file(args.instructions)
    comparisons = table_file(args.comparisons)

    at_most = lambda t: f"≤ {t}×"
    out = ["# Benchmark results", "",
           "Written by `bench/run.sh`; do not edit by hand. Every ratio compares the library with a",
           f"baseline measured in the same run: times are the median CPU time of {args.repetitions}",
           "repetitions (a release build, `--benchmark_repetitions`); instruction ratios come from",
           "callgrind, per iteration with start-up cancelled out, and do not move with the load of",
           "the machine, which times do. A target is judged on the time ratio.", "",
           "## Machine", ""] + machine(args.load_before, args.load_after, context.get("date", "?"), args.build) + [
           f"- Qt {context.get('Qt', '?')}, Google Benchmark library built as "
           f"{context.get('library_build_type', '?')}, {context.get('num_cpus', '?')} CPUs at "
           f"{context.get('mhz_per_cpu', '?')} MHz", "",
           "## Results", ""]
    sweep = ("Times and instructions per number: one iteration sweeps 1024 inputs and sums the results into\n"
             "one accumulator, the baseline writing the same arithmetic inline (`v /= 1000.0; v /= 0.0254;\n"
             "acc += v;` for mm to in, `(x + 273.15) * 1.8 - 459.67` for °C to °F, the binary search and\n"
             "the straight line of the hardness table for HV to HRC).")
    host = ("One iteration runs a host's own loop over 1024 values, `double total = 0; for (const qzUnitValue& v :\n"
            "values) total += v.value(qzUnitTemperature::DegreeFahrenheit);`, compiled as a function of its own.\n"
            "`value(Unit)`: the target unit a constant the compiler sees; `value(unit)`: a variable read at run\n"
            "time. The baseline is the same loop over a container of plain numbers with the arithmetic inline.")
    out += section("Host loops against the inline loop", HOST_ROWS, times, instructions, at_most, 1024, host)
    out += section("Host loops against UDUNITS-2 (`cv_convert_double` in the same loop over a `std::vector<double>`)",
                   HOST_UDUNITS_ROWS, times, instructions, lambda t: "< 1× (faster)", 1024)
    out += section("Single numbers against the inline loop", ROWS, times, instructions, at_most, 1024, sweep)
    out += section("Single numbers against UDUNITS-2 (`cv_convert_double`, converter built once, same loop)",
                   UDUNITS_ROWS, times, instructions, lambda t: "< 1× (faster)", 1024)
    out += section("Arithmetic on two values against the inline loop", ARITHMETIC_ROWS, times, instructions,
                   at_most, 1024)
    out += bulk_section(times, instructions)
    out += section("Formatting against `QString::number` plus the symbol", FORMATTING_ROWS, times, instructions,
                   at_most)
    out += section("Reading typed values against UDUNITS-2 reading the unit text alone", PARSE_ROWS, times,
                   instructions, lambda t: "< 1× (faster)")
    out += section("Persistence against the same elements and fields by hand", PERSISTENCE_ROWS, times,
                   instructions, at_most)

    out += ["### Sorted list: `qzSortedUnitValues::append` of n values in random order", "",
            "| n | library | `std::multiset<double>::insert` | ratio (time) | comparisons per append | "
            "comparisons / (n log2 n) |", "|---|---|---|---|---|---|"]
    for n in (1000, 10000, 100000):
        lib, base = times.get(f"sorted/append/{n}"), times.get(f"sorted/multiset/{n}")
        if not lib or not base:
            continue
        per_append, growth = "", ""
        if n in {int(k) for k in comparisons}:
            less, appends = comparisons[str(n)]
            if appends:
                per_append = f"{less / appends:.2f}"
                growth = f"{less / (appends * math.log2(n)):.3f}"
        out.append(f"| {n} | {lib[0]:.3g} {lib[1]} | {base[0]:.3g} {base[1]} | {lib[0] / base[0]:.1f}× | {per_append} | {growth} |")
    full, base = times.get("sorted/fullSortPerAppend/1000"), times.get("sorted/multiset/1000")
    if full and base:
        out += ["", f"For contrast, a full `std::sort` after every append takes {full[0]:.3g} {full[1]} for n = 1000, "
                f"{full[0] / base[0]:.0f}× the multiset."]
    out += ["", f"`sizeof(qzUnitValue)`: {context.get('sizeof(qzUnitValue)', '?')} bytes (target ≤ 48).", ""]
    # The reading of the figures, kept by hand beside this script.
    analysis = os.path.join(os.path.dirname(os.path.abspath(__file__)), "analysis.md")
    if os.path.exists(analysis):
        with open(analysis, encoding="utf-8") as f:
            out += [f.read()]
    print("\n".join(out))


if __name__ == "__main__":
    main()
