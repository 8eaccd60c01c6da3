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
    ROWS += [
        (f"`value(int)` {label}", p + "value", p + "plain", 2.5),
        (f"`viewValue()` {label}", p + "viewValue", p + "plain", 2.5),
        (f"`copyTo` {label}", p + "copyTo", p + "plain", 2.5),
        (f"`changeTo` there and back {label}", p + "changeTo_round_trip", p + "plain_round_trip", 2.5),
    ]
UDUNITS_ROWS = []
for key, label in CONVERSIONS[:2]:
    p = f"conversion/{key}/"
    UDUNITS_ROWS += [
        (f"`value(int)` {label}", p + "value", p + "udunits", 1.0),
        (f"`copyTo` {label}", p + "copyTo", p + "udunits", 1.0),
        (f"`changeTo` there and back {label}", p + "changeTo_round_trip", p + "udunits_round_trip", 1.0),
        (f"plain doubles {label} (the library's arithmetic)", p + "plain", p + "udunits", None),
    ]
ARITHMETIC_ROWS = [
    ("`operator+` mm + in", "arithmetic/sum/value", "arithmetic/sum/plain", 4.0),
    ("`operator*` mm × factor", "arithmetic/product/value", "arithmetic/product/plain", 4.0),
    ("`fuzzyCompare` mm with in", "arithmetic/fuzzyCompare/value", "arithmetic/fuzzyCompare/plain", 4.0),
]
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
    with open(path) as f:
        data = json.load(f)
    times = {}
    for run in data["benchmarks"]:
        if run.get("aggregate_name") == "median":
            times[run["run_name"]] = (run["cpu_time"], run["time_unit"], run.get("error_occurred", False))
        elif run.get("error_occurred"):
            times[run["run_name"]] = (math.nan, "", True)
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


def fmt_time(entry):
    value, unit, error = entry
    return "error" if error or math.isnan(value) else f"{value:.3g} {unit}"


def verdict(ratio, target):
    if target is None or math.isnan(ratio):
        return ""
    return "met" if ratio < target or (target != 1.0 and ratio <= target) else "**missed**"


def section(title, rows, times, instructions, target_text):
    out = [f"### {title}", "",
           "| operation | baseline | library | baseline time | ratio (time) | ratio (instructions) | target | |",
           "|---|---|---|---|---|---|---|---|"]
    for label, bench, base, target in rows:
        if bench not in times or base not in times:
            continue
        t, b = times[bench], times[base]
        ratio = t[0] / b[0] if b[0] else math.nan
        ins = ""
        if bench in instructions and base in instructions and instructions[base][0] > 0:
            ins = f"{instructions[bench][0] / instructions[base][0]:.2f}× ({instructions[bench][0]:.0f}/{instructions[base][0]:.0f})"
        goal = "" if target is None else target_text(target)
        out.append(f"| {label} | `{base.split('/')[-1]}` | {fmt_time(t)} | {fmt_time(b)} | {ratio:.2f}× | {ins} | {goal} | {verdict(ratio, target)} |")
    return out + [""]


def machine(load_before, load_after, date):
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
            f"- date: {date}"]


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--times", required=True)
    parser.add_argument("--instructions")
    parser.add_argument("--comparisons")
    parser.add_argument("--load-before", default="?")
    parser.add_argument("--load-after", default="?")
    parser.add_argument("--repetitions", default="?")
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
           "## Machine", ""] + machine(args.load_before, args.load_after, context.get("date", "?")) + [
           f"- Qt {context.get('Qt', '?')}, Google Benchmark library built as "
           f"{context.get('library_build_type', '?')}, {context.get('num_cpus', '?')} CPUs at "
           f"{context.get('mhz_per_cpu', '?')} MHz", "",
           "## Results", ""]
    out += section("Conversions against the same arithmetic on plain doubles", ROWS, times, instructions, at_most)
    out += section("Conversions against UDUNITS-2 (`cv_convert_double`, converter built once)", UDUNITS_ROWS,
                   times, instructions, lambda t: "< 1× (faster)")
    out += section("Arithmetic on two values against plain doubles", ARITHMETIC_ROWS, times, instructions, at_most)
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
        out.append(f"| {n} | {fmt_time(lib)} | {fmt_time(base)} | {lib[0] / base[0]:.1f}× | {per_append} | {growth} |")
    full, base = times.get("sorted/fullSortPerAppend/1000"), times.get("sorted/multiset/1000")
    if full and base:
        out += ["", f"For contrast, a full `std::sort` after every append takes {fmt_time(full)} for n = 1000, "
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
