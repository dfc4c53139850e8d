#!/usr/bin/env python3
"""Quarvel's start against two plain Qt windows, in English and in Russian.

Each program is started, draws its first frame and ends at once; what is measured is the time from
start to exit and the peak resident memory. The three programs take turns, run after run, so a
burst of load on the machine falls on all of them alike. Prints the medians and their ratios, and
exits 1 when Quarvel takes more than 1.3 times the time or 1.1 times the memory of the bare window.

    measure.py PROBE_DIR RUNS
"""
import os
import statistics
import sys
import time

TIME_AIM = 1.3
MEMORY_AIM = 1.1
WARMUP_ROUNDS = 3
PROBES = {
    "quarvel": "quarvel_startup_probe",
    "bare": "quarvel_bare_probe",
    "controls": "quarvel_controls_probe",
}


def run_once(program):
    """Milliseconds from start to exit, and the peak resident memory in KiB."""
    quiet = [(os.POSIX_SPAWN_OPEN, fd, os.devnull, os.O_WRONLY, 0) for fd in (1, 2)]
    start = time.perf_counter()
    pid = os.posix_spawn(program, [program], os.environ, file_actions=quiet)
    _, status, usage = os.wait4(pid, 0)
    elapsed = time.perf_counter() - start
    if status != 0:
        sys.exit(f"startup: {program} ended with status {status}")
    return 1000 * elapsed, usage.ru_maxrss


def medians(programs, runs):
    times = {name: [] for name in programs}
    memory = {name: [] for name in programs}
    names = list(programs)
    for round_number in range(WARMUP_ROUNDS + runs):
        # Each round starts with another program, so that none always follows the same one.
        shift = round_number % len(names)
        for name in names[shift:] + names[:shift]:
            milliseconds, kib = run_once(programs[name])
            if round_number >= WARMUP_ROUNDS:
                times[name].append(milliseconds)
                memory[name].append(kib)
    return ({name: statistics.median(v) for name, v in times.items()},
            {name: statistics.median(v) for name, v in memory.items()})


def main():
    probe_dir, runs = sys.argv[1], int(sys.argv[2])
    programs = {name: os.path.join(probe_dir, file) for name, file in PROBES.items()}
    met = True
    for language in ("en", "ru"):
        os.environ["QUARVEL_LANGUAGE"] = language
        ms, kib = medians(programs, runs)
        time_ratio = ms["quarvel"] / ms["bare"]
        memory_ratio = kib["quarvel"] / kib["bare"]
        print(f"{language}: start to first frame, median of {runs}: Quarvel {ms['quarvel']:.1f} ms, "
              f"bare Qt window with text {ms['bare']:.1f} ms, ratio {time_ratio:.2f} "
              f"(at most {TIME_AIM})")
        print(f"{language}: peak resident memory, median of {runs}: Quarvel {kib['quarvel']:.0f} KiB, "
              f"bare Qt window with text {kib['bare']:.0f} KiB, ratio {memory_ratio:.2f} "
              f"(at most {MEMORY_AIM})")
        print(f"{language}: against a plain Qt window with the first page's controls "
              f"({ms['controls']:.1f} ms, {kib['controls']:.0f} KiB): "
              f"time ratio {ms['quarvel'] / ms['controls']:.2f}, "
              f"memory ratio {kib['quarvel'] / kib['controls']:.2f}; that window against the bare "
              f"one: {ms['controls'] / ms['bare']:.2f} and {kib['controls'] / kib['bare']:.2f}")
        # Judged as printed, to two places.
        met = met and round(time_ratio, 2) <= TIME_AIM and round(memory_ratio, 2) <= MEMORY_AIM
    return 0 if met else 1


if __name__ == "__main__":
    sys.exit(main())
