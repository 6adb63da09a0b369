# SPDX-License-Identifier: MIT
"""Runs the benchmark executables of a build and prints the table of medians.

Start-up and peak memory: each run is a fresh process under a private Xvfb, timed from just
before the spawn to the completed first paint of its window, alternating program and baseline.
Reading and endurance: measured inside one process by dwellstar_bench_inprocess.
"""

import argparse
import os
import shutil
import signal
import statistics
import subprocess
import sys
import tempfile
import time


def parse_report(text):
    values = {}
    for line in text.splitlines():
        key, sep, value = line.partition("=")
        if sep:
            values.setdefault(key.strip(), []).append(float(value))
    return values


class Display:
    """A private X server (and, if asked, a window manager) for the children."""

    def __init__(self, window_manager):
        read_end, write_end = os.pipe()
        self.server = subprocess.Popen(
            ["Xvfb", "-displayfd", str(write_end), "-screen", "0", "1280x1024x24",
             "-nolisten", "tcp", "-noreset"],
            pass_fds=[write_end], stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write_end)
        number = b""
        with os.fdopen(read_end, "rb") as pipe:
            while not number.endswith(b"\n"):
                chunk = pipe.read(1)
                if not chunk:
                    raise RuntimeError("Xvfb did not start")
                number += chunk
        self.name = ":" + number.decode().strip()
        self.manager = None
        if window_manager:
            self.manager = subprocess.Popen(
                [window_manager], env=dict(os.environ, DISPLAY=self.name),
                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
            time.sleep(0.5)  # let it take over the root window before the first map

    def close(self):
        for process in (self.manager, self.server):
            if process and process.poll() is None:
                process.send_signal(signal.SIGTERM)
                try:
                    process.wait(timeout=5)
                except subprocess.TimeoutExpired:
                    process.kill()


def child_environment(display, scratch, runtime):
    env = {key: value for key, value in os.environ.items()
           if not key.startswith(("QT_", "WAYLAND_", "XDG_", "DBUS_"))}
    env.update({
        "DISPLAY": display.name,
        "QT_QPA_PLATFORM": "xcb",
        "XDG_CONFIG_HOME": os.path.join(scratch, "config"),
        "XDG_CACHE_HOME": os.path.join(scratch, "cache"),
        "XDG_RUNTIME_DIR": runtime,
        # No session bus: neither process starts one, nor waits for one.
        "DBUS_SESSION_BUS_ADDRESS": "disabled:",
    })
    return env


def start_up_once(command, env):
    start = time.monotonic_ns()
    done = subprocess.run(command, env=env, capture_output=True, text=True, timeout=60)
    report = parse_report(done.stdout)
    if done.returncode != 0 or "first_paint_ns" not in report:
        raise RuntimeError(f"{command} failed ({done.returncode}): {done.stderr.strip()}")
    return {
        "start_ms": (report["first_paint_ns"][0] - start) / 1e6,
        "peak_mib": report["hwm_kib"][0] / 1024,
    }


def run_in_process(executable, env, *arguments):
    done = subprocess.run([executable, *map(str, arguments)], env=env, capture_output=True,
                          text=True, timeout=600)
    if done.returncode != 0:
        raise RuntimeError(f"{executable} {arguments} failed: {done.stderr.strip()[-2000:]}")
    return parse_report(done.stdout)


# Every translation the program carries, by the locale that chooses it.
TRANSLATIONS = ("de_DE", "es_ES", "fr_FR", "it_IT", "pt_BR", "ru_RU")


def instructions(command, env, *collect):
    """Instructions executed under callgrind: the whole process, or only inside the functions
    named (their names as a glob)."""
    with tempfile.TemporaryDirectory() as folder:
        options = (["--collect-atstart=no", *(f"--toggle-collect={name}" for name in collect)]
                   if collect else [])
        done = subprocess.run(
            ["valgrind", "--tool=callgrind", f"--callgrind-out-file={folder}/out", *options,
             *command],
            env=env, capture_output=True, text=True, timeout=600)
        if done.returncode != 0:
            raise RuntimeError(f"callgrind {command} failed: {done.stderr.strip()[-2000:]}")
        for line in done.stderr.splitlines():
            if "Collected :" in line:
                return int(line.rsplit(":", 1)[1]) / 1e6
    raise RuntimeError(f"callgrind {command} printed no count")


def instruction_rows(program, baseline, in_process, english, env):
    # A long pause: valgrind slows the program fifty times, and not the clock, and the windows
    # built ahead must be ready before the click, as they are for a person.
    reading = [in_process, "reading", "1", "10000"]
    return [
        ("instructions to first paint, start-up (millions)", instructions([program], english),
         instructions([baseline, "label"], english), "info", 0),
        ("instructions to first paint, first reading (millions)",
         instructions(reading, env, "*readingToPaint*"),
         instructions(reading, env, "*showToPaint*"), "info", 0),
    ]


def median(values):
    return statistics.median(values) if values else float("nan")


def main():
    parser = argparse.ArgumentParser(description=__doc__)
    parser.add_argument("build", help="build directory holding bench/")
    parser.add_argument("--runs", type=int, default=15, help="processes per start-up figure")
    parser.add_argument("--readings", type=int, default=30, help="readings per process")
    parser.add_argument("--reading-runs", type=int, default=7, help="processes for readings")
    parser.add_argument("--cycles", type=int, default=1000, help="endurance cycles")
    parser.add_argument("--endurance-runs", type=int, default=3)
    parser.add_argument("--people", type=int, default=20000, help="people in the book")
    parser.add_argument("--people-runs", type=int, default=5, help="processes for the book")
    parser.add_argument("--window-manager", default="",
                        help="window manager to run on the display (default: none)")
    parser.add_argument("--no-instructions", dest="instructions", action="store_false",
                        help="skip the instruction counts under callgrind (about a minute)")
    parser.add_argument("--strict", action="store_true",
                        help="exit with status 1 when a target is missed")
    options = parser.parse_args()

    bench = os.path.join(options.build, "bench")
    program = os.path.join(bench, "dwellstar_bench_startup")
    baseline = os.path.join(bench, "dwellstar_bench_baseline")
    in_process = os.path.join(bench, "dwellstar_bench_inprocess")

    scratch = tempfile.mkdtemp(prefix="dwellstar-bench-")
    # A desktop session's runtime folder (/run/user/ID) lives in memory; on disk, the instance
    # lock's sync would cost the program milliseconds that no session pays.
    runtime = tempfile.mkdtemp(prefix="dwellstar-bench-",
                               dir="/dev/shm" if os.path.isdir("/dev/shm") else scratch)
    display = Display(shutil.which(options.window_manager) if options.window_manager else None)
    try:
        env = child_environment(display, scratch, runtime)
        rows = []

        # The book of people, made by importing contacts, for the start-ups that keep one.
        people_reports = [
            run_in_process(in_process, dict(env, XDG_DATA_HOME=os.path.join(scratch, f"people{n}")),
                           "people", options.people) for n in range(options.people_runs)]
        kept, empty = (os.path.join(scratch, name) for name in ("kept", "empty"))
        shutil.copytree(os.path.join(scratch, "people0", "dwellstar_bench_inprocess"),
                        os.path.join(kept, "dwellstar_bench_startup"))
        os.makedirs(os.path.join(empty, "dwellstar_bench_startup"))
        with open(os.path.join(empty, "dwellstar_bench_startup", "people.json"), "w") as book:
            book.write('{"format": "kv-dwellstar-people", "version": 1, "people": []}')

        # The program in its own English (which loads no translation) and in each translation.
        english = dict(env, LANG="C.UTF-8", XDG_DATA_HOME=os.path.join(scratch, "none"))
        commands = {"program": ([program], english), "baseline": ([baseline], english),
                    "one label": ([baseline, "label"], english),
                    "kept": ([program], dict(english, XDG_DATA_HOME=kept)),
                    "empty book": ([program], dict(english, XDG_DATA_HOME=empty))}
        for language in TRANSLATIONS:
            commands[language] = ([program], dict(english, LANG=f"{language}.UTF-8"))
        # Warm-up: page cache, font caches, and the first start's stored reminder date.
        for _ in range(2):
            for command, command_env in commands.values():
                start_up_once(command, command_env)
        samples = {name: [] for name in commands}
        order = list(commands)
        for run in range(options.runs):
            # Rotated, so that no kind always follows another.
            for name in order[run % len(order):] + order[:run % len(order)]:
                samples[name].append(start_up_once(*commands[name]))

        def figure(name, key):
            return median([sample[key] for sample in samples[name]])

        # Against a window that shows one line of text: the floor for a program showing any.
        rows.append(("start-up to first paint (ms)", figure("program", "start_ms"),
                     figure("one label", "start_ms"), "ratio", 1.15))
        for language in TRANSLATIONS:
            rows.append((f"start-up to first paint, {language} (ms)",
                         figure(language, "start_ms"), figure("one label", "start_ms"), "ratio",
                         1.15))
        rows.append(("peak resident memory at first paint (MiB)", figure("program", "peak_mib"),
                     figure("one label", "peak_mib"), "ratio", 1.10))
        rows.append((f"peak memory at first paint, {options.people:,} people kept (MiB)",
                     figure("kept", "peak_mib"), figure("program", "peak_mib"), "within", 1.0))
        rows.append(("start-up to first paint, an empty book kept (ms)",
                     figure("empty book", "start_ms"), figure("program", "start_ms"), "within",
                     2.0))
        rows.append(("  for scale: the program against an empty window, start-up (ms)",
                     figure("program", "start_ms"), figure("baseline", "start_ms"), "info", 0))
        rows.append(("  for scale: the program against an empty window, memory (MiB)",
                     figure("program", "peak_mib"), figure("baseline", "peak_mib"), "info", 0))

        first, repeated, base_first, base_repeated = [], [], [], []
        for _ in range(options.reading_runs):
            report = run_in_process(in_process, env, "reading", options.readings)
            first.append(report["reading_ms"][0])
            repeated.extend(report["reading_ms"][1:])
            base_first.append(report["baseline_ms"][0])
            base_repeated.extend(report["baseline_ms"][1:])
        # Against a built empty window of the result window's size, shown.
        rows.append(("reading to first paint, first in process (ms)", median(first),
                     median(base_first), "ratio", 2.0))
        rows.append(("reading to first paint, repeated (ms)", median(repeated),
                     median(base_repeated), "ratio", 1.5))
        if options.instructions:
            rows.extend(instruction_rows(program, baseline, in_process, english, env))

        def people_figure(key):
            return median([value for report in people_reports for value in report[key]])
        rows.append((f"importing {options.people:,} contacts (ms)", people_figure("import_ms"),
                     0, "at most", 1000.0))
        rows.append((f"People window with {options.people:,} people, to first paint (ms)",
                     people_figure("people_open_ms"), 0, "at most", 100.0))
        rows.append(("the slowest letter typed into its filter, to the list painted (ms)",
                     max(value for report in people_reports for value in report["filter_ms"]),
                     0, "at most", 16.0))

        growth, early, late, freed_all, widgets_steady = [], [], [], True, True
        for _ in range(options.endurance_runs):
            report = run_in_process(in_process, env, "endurance", 10, options.cycles)
            early.append(report["rss_first_kib"][0] / 1024)
            late.append(report["rss_last_kib"][0] / 1024)
            growth.append(late[-1] - early[-1])
            freed_all &= report["windows_freed"][0] == report["windows_built"][0]
            widgets_steady &= report["widgets_last"][0] == report["widgets_first"][0]
        rows.append((f"resident memory after {options.cycles} vs 10 readings (MiB)", median(late),
                     median(early), "growth", 1.0))
        rows.append(("unloaded result windows freed, live widgets steady",
                     1.0 if freed_all and widgets_steady else 0.0, 1.0, "all", 1.0))
    finally:
        display.close()
        shutil.rmtree(scratch, ignore_errors=True)
        shutil.rmtree(runtime, ignore_errors=True)

    print_table(rows, options)
    return 1 if options.strict and not all(met(row) for row in rows) else 0


def met(row):
    _, program, baseline, kind, target = row
    if kind == "info":
        return True
    if kind == "ratio":
        return program <= baseline * target
    if kind == "at most":
        return program <= target
    if kind in ("growth", "within"):
        return program - baseline <= target
    return program == target


def print_table(rows, options):
    header = ("figure", "program", "baseline", "ratio", "target", "result")
    lines = []
    for row in rows:
        name, program, baseline, kind, target = row
        if kind == "ratio":
            goal = f"ratio <= {target:.2f}"
        elif kind == "at most":
            goal = f"program <= {target:g}"
        elif kind == "growth":
            goal = f"growth <= {target:g} MiB"
        elif kind == "within":
            goal = f"at most {target:g} more"
        elif kind == "info":
            goal = ""
        else:
            goal = "yes"
        if kind == "all":
            shown = ("yes" if program == 1.0 else "no", "", "")
        else:
            ratio = f"{program / baseline:.2f}" if baseline else ""
            shown = (f"{program:.2f}", f"{baseline:.2f}", ratio)
        result = "" if kind == "info" else "met" if met(row) else "MISSED"
        lines.append((name, *shown, goal, result))
    widths = [max(len(str(line[i])) for line in [header, *lines]) for i in range(len(header))]
    print(f"medians: {options.runs} start-ups each, {options.reading_runs} x {options.readings} "
          f"readings, {options.endurance_runs} endurance runs of {options.cycles} cycles")
    for line in [header, *lines]:
        cells = [str(cell).ljust(width) if i == 0 else str(cell).rjust(width)
                 for i, (cell, width) in enumerate(zip(line, widths))]
        print("  ".join(cells))


if __name__ == "__main__":
    sys.exit(main())
