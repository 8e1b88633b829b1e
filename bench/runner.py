#!/usr/bin/python3
"""Runs the benchmarks over the generated font sets and writes their tables.

    runner.py BUILD_DIR OUT_DIR [--sizes 100,1000,10000] [--quick]

Every figure is a median over repeated runs, and every ratio is taken against a floor
measured in the same run, on the same font set, alternating with the program.
"""

import argparse
import datetime
import os
import platform
import shutil
import statistics
import subprocess
import sys
import time

HERE = os.path.dirname(os.path.abspath(__file__))


def parse(line):
    return {key: float(value) for key, value in (item.split("=", 1) for item in line.split())}


def run(program, args, font_set, timeout=600):
    env = dict(os.environ, QT_QPA_PLATFORM="offscreen", FONTCONFIG_FILE=os.path.join(font_set, "fonts.conf"),
               XDG_RUNTIME_DIR=os.environ.get("XDG_RUNTIME_DIR", "/tmp/runtime-" + str(os.getuid())))
    os.makedirs(env["XDG_RUNTIME_DIR"], mode=0o700, exist_ok=True)
    started = time.monotonic_ns()
    done = subprocess.run([program] + args, env=env, capture_output=True, text=True, timeout=timeout)
    if done.returncode != 0:
        sys.exit(f"{program} {args} failed:\n{done.stderr}")
    figures = parse(done.stdout.strip().splitlines()[-1])
    figures["started_ns"] = started
    return figures


def median(values):
    return statistics.median(values)


def table(title, header, rows, notes):
    lines = [f"### {title}", "", "| " + " | ".join(header) + " |", "|" + "---|" * len(header)]
    lines += ["| " + " | ".join(row) + " |" for row in rows]
    lines += [""] + notes + [""]
    return "\n".join(lines)


def has_default_printer():
    try:
        return "system default destination:" in subprocess.run(["lpstat", "-d"], capture_output=True, text=True,
                                                                timeout=10).stdout
    except (OSError, subprocess.TimeoutExpired):
        return False


def startup(build, sets, repeats):
    rows = []
    results = {}
    on_printer = has_default_printer()
    sides = [("program", "startup_program", []), ("floor", "startup_floor", [])]
    if on_printer:
        sides.append(("printer", "startup_program", ["default-printer"]))
    for n, font_set in sets:
        times = {side: [] for side, _, _ in sides}
        for side, program_name, args in sides:
            run(os.path.join(build, "vantreel_bench_" + program_name), args, font_set)  # warms the caches
        for _ in range(repeats):
            for side, program_name, args in sides:
                figures = run(os.path.join(build, "vantreel_bench_" + program_name), args, font_set)
                times[side].append(((figures["painted_ns"] - figures["started_ns"]) / 1e6, figures["peak_kib"] / 1024))
        p_ms, f_ms = median(t for t, _ in times["program"]), median(t for t, _ in times["floor"])
        p_mib, f_mib = median(m for _, m in times["program"]), median(m for _, m in times["floor"])
        results[n] = (p_ms, f_ms)
        printer = f"{median(t for t, _ in times['printer']):.0f}" if on_printer else "no default printer"
        rows.append([f"{n:,}", f"{p_ms:.0f}", f"{f_ms:.0f}", f"{p_ms / f_ms:.2f}", f"{p_mib:.1f}", f"{f_mib:.1f}",
                     f"{p_mib - f_mib:+.1f}", printer])
    ns = sorted(results)
    growth = []
    for a, b in zip(ns, ns[1:]):
        growth.append(f"{a:,} to {b:,} families ({b // a}x): program {results[b][0] / results[a][0]:.1f}x, "
                      f"floor {results[b][1] / results[a][1]:.1f}x")
    return table("Start-up: process start to first paint with both lists filled",
                 ["families", "program ms", "floor ms", "ratio", "program MiB", "floor MiB", "difference MiB",
                  "program on the default printer ms"], rows,
                 [f"Medians of {repeats} runs each, program and floor alternating, after one warm-up run each. "
                  "The program's printer writes PDF files here, so that the printer list fills without a print "
                  "system; the last column starts it on the print system's default printer instead, as the "
                  "program runs (where there is one). "
                  "Target: ratio at most 1.10, memory within 20 MiB of the floor, growth no worse than linear.",
                  "Growth: " + "; ".join(growth) + "."])


def slideshow(build, sets, repeats_for, seconds):
    rows = []
    for n, font_set in sets:
        got = {"program": [], "floor": []}
        for _ in range(repeats_for(n)):
            for side in ("program", "floor"):
                got[side].append(run(os.path.join(build, "vantreel_bench_slideshow"), [side, str(seconds)], font_set))

        def m(side, key):
            return median(r[key] for r in got[side])
        for key in ("first_paints", "loaded_paints"):
            if m("program", key) < m("program", "fonts") * 0.99:
                sys.exit(f"slide show at {n}: a step drew nothing ({key})")
        rows.append([f"{n:,}",
                     f"{m('program', 'first_median_ms'):.3f} / {m('program', 'first_p99_ms'):.3f}",
                     f"{m('program', 'loaded_median_ms'):.3f} / {m('program', 'loaded_p99_ms'):.3f}",
                     f"{m('floor', 'loaded_median_ms'):.3f} / {m('floor', 'loaded_p99_ms'):.3f}",
                     f"{m('program', 'loaded_median_ms') / m('floor', 'loaded_median_ms'):.2f}",
                     f"{m('program', 'steps_per_s'):.0f}", f"{m('floor', 'steps_per_s'):.0f}",
                     f"{m('program', 'steps_per_s') / 200:.2f}"])
    return table("Slide show: one step (select the next font, set the sample, draw it)",
                 ["families", "program ms, first pass: median / p99", "program ms, fonts loaded: median / p99",
                  "floor ms, fonts loaded: median / p99", "ratio (median)", "program steps/s at 5 ms",
                  "floor steps/s at 5 ms", "of the 200 asked"], rows,
                 [f"Every font of the set stepped through twice per run (the first pass loads the fonts); "
                  f"the rate is counted over {seconds} s of the real timer at 5 ms. Medians of "
                  f"{', '.join(f'{repeats_for(n)} runs at {n:,}' for n, _ in sets)}. "
                  "Target: median under 1 ms once loaded, at least 190 steps/s at 1,000 families."])


def catalogue(build, sets, repeats_for, out):
    rows = []
    folder = os.path.join(out, "pdf")
    for n, font_set in sets:
        for size in ("small", "large", "huge"):
            got = {"program": [], "floor": []}
            for _ in range(repeats_for(n)):
                for side in ("program", "floor"):
                    shutil.rmtree(folder, ignore_errors=True)
                    os.makedirs(folder)
                    got[side].append(run(os.path.join(build, "vantreel_bench_catalogue"), [side, size, folder], font_set))
            shutil.rmtree(folder, ignore_errors=True)

            def m(side, key):
                return median(r[key] for r in got[side])
            rows.append([f"{n:,}", size, f"{m('program', 'entries'):.0f}", f"{m('program', 'entries_per_s'):.0f}",
                         f"{m('floor', 'entries_per_s'):.0f}",
                         f"{m('floor', 'entries_per_s') / m('program', 'entries_per_s'):.2f}",
                         f"{(m('program', 'peak_kib') - m('program', 'peak_before_kib')) / 1024:.1f}",
                         f"{(m('floor', 'peak_kib') - m('floor', 'peak_before_kib')) / 1024:.1f}"])
    return table("Catalogue: every printer font in one print size, into PDF through the program's printer",
                 ["families", "size", "entries", "program entries/s", "floor entries/s", "time ratio",
                  "program peak growth MiB", "floor peak growth MiB"], rows,
                 ["The floor is a bare QPainter loop drawing the same items in the same fonts into the same kind of "
                  "printer (a PDF QPrinter, a new one every ten pages). Peak growth is the peak resident memory the "
                  "run added to what the process held before it. Target: time ratio at most 1.2, peak memory not "
                  "growing with the number of fonts.",
                  f"Medians of {', '.join(f'{repeats_for(n)} runs at {n:,}' for n, _ in sets)}."])


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("build")
    parser.add_argument("out")
    parser.add_argument("--sizes", default="100,1000,10000")
    parser.add_argument("--quick", action="store_true", help="fewer repeats, for a first look")
    parser.add_argument("--only", default="startup,slideshow,catalogue", help="which benchmarks to run")
    args = parser.parse_args()
    sizes = [int(n) for n in args.sizes.split(",")]
    args.out = os.path.abspath(args.out)
    args.build = os.path.abspath(args.build)
    os.makedirs(args.out, exist_ok=True)
    sets = []
    for n in sizes:
        font_set = os.path.join(args.out, f"fonts-{n}")
        subprocess.run(["/usr/bin/python3", os.path.join(HERE, "fontset.py"), font_set, "--families", str(n)],
                       check=True)
        sets.append((n, font_set))

    quick = args.quick
    sections = []
    started = time.monotonic()
    only = args.only.split(",")
    if "startup" in only:
        sections.append(startup(args.build, sets, 3 if quick else 9))
        print(sections[-1], flush=True)
    if "slideshow" in only:
        sections.append(slideshow(args.build, sets, lambda n: 1 if quick or n >= 10000 else 3, 1 if quick else 2))
        print(sections[-1], flush=True)
    if "catalogue" in only:
        sections.append(catalogue(args.build, sets, lambda n: 1 if quick or n >= 10000 else 3, args.out))
        print(sections[-1], flush=True)

    header = (f"## Benchmarks, {datetime.datetime.now(datetime.timezone.utc):%Y-%m-%d %H:%M} UTC\n\n"
              f"{os.cpu_count()} cores, {platform.machine()}, Qt platform offscreen, generated font sets; "
              f"the whole run took {(time.monotonic() - started) / 60:.1f} minutes.\n")
    with open(os.path.join(args.out, "tables.md"), "w") as f:
        f.write(header + "\n" + "\n".join(sections))
    print(f"Tables written to {os.path.join(args.out, 'tables.md')}")


if __name__ == "__main__":
    main()
