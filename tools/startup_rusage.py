#!/usr/bin/env python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""Start-up's processor time and peak memory, whole processes until the window
is exposed: each probe given is run in turn, PAIRS rounds, on the display and
platform of the environment (an X server such as Xvfb: DISPLAY and
QT_QPA_PLATFORM=xcb), under a French desktop. Prints each probe's mean
processor time (user + system) and peak resident memory, and each probe's
ratio to the first.

    tools/startup_rusage.py [--pairs N] PROBE [PROBE...]
"""
import argparse
import os
import statistics
import subprocess
import tempfile


def run(probe, home):
    env = dict(os.environ, LANG="fr_FR.UTF-8", LC_ALL="fr_FR.UTF-8", LANGUAGE="", HOME=home,
               XDG_CONFIG_HOME=os.path.join(home, "config"))
    process = subprocess.Popen([probe], env=env, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(process.pid, 0)
    if status != 0:
        raise SystemExit(f"{probe} failed ({status})")
    return (usage.ru_utime + usage.ru_stime) * 1000, usage.ru_maxrss / 1024


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--pairs", type=int, default=30)
    parser.add_argument("probes", nargs="+")
    args = parser.parse_args()
    times = {p: [] for p in args.probes}
    memory = {p: [] for p in args.probes}
    with tempfile.TemporaryDirectory() as home:
        for p in args.probes:  # a first run of each, not counted, fills the caches
            run(p, home)
        for _ in range(args.pairs):
            for p in args.probes:
                cpu, rss = run(p, home)
                times[p].append(cpu)
                memory[p].append(rss)
    first = args.probes[0]
    for p in args.probes:
        t, m = statistics.mean(times[p]), statistics.mean(memory[p])
        print(f"{p}: {t:.1f} ms processor (median {statistics.median(times[p]):.1f}), {m:.1f} MiB peak; "
              f"x{t / statistics.mean(times[first]):.3f} time, {m - statistics.mean(memory[first]):+.1f} MiB")


if __name__ == "__main__":
    main()
