"""Prints Prismark's start-up time and memory beside the toolkit's own, and its working speed.

    run_bench.py STARTUP_PRISMARK STARTUP_FORM STARTUP_TEXT STARTUP_BARE WORK_BENCH
    run_bench.py --wine PREFIX STARTUP_PRISMARK STARTUP_FORM STARTUP_TEXT STARTUP_BARE

Start-up is timed from process start to the main window's first paint (the programs end right
after it), against three floors built in the same tree: a bare Qt window; a window with a label,
a field and a list in Prismark's fonts (the toolkit's cost of any first text); and the form
floor, Prismark's form made plainly (its captions, fields, lists and buttons, without pictures
or legend). The four run in turn; each figure is the median of the runs. Under a private Xvfb
where one is installed, else on Qt's offscreen platform.

With --wine, the Windows executables run under Wine in that prefix, with one wineserver kept
running throughout, and each run is timed from `wine` to its exit.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

NAMES = ("prismark", "form floor", "text floor", "bare window")


def start_display(env):
    if not shutil.which("Xvfb"):
        env["QT_QPA_PLATFORM"] = "offscreen"
        return None
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                             "-screen", "0", "1280x1024x24"],
                            pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd) as announced:
        env["DISPLAY"] = ":" + announced.readline().strip()
    env.pop("QT_QPA_PLATFORM", None)
    return xvfb


def run_once(command, env):
    """Wall time in ms and peak resident memory in MiB of one run."""
    started = time.perf_counter()
    child = subprocess.Popen(command, env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = (time.perf_counter() - started) * 1000
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{command} failed")
    return elapsed, usage.ru_maxrss / 1024


def medians(commands, env, runs):
    """Each program's median time and memory, and the median of Prismark's time over each
    other's in the same round, which holds where the machine's speed drifts between rounds."""
    for command in commands.values():  # warm the file cache
        run_once(command, env)
    figures = {name: [] for name in commands}
    for _ in range(runs):
        for name, command in commands.items():
            figures[name].append(run_once(command, env))
    times = {name: statistics.median(t for t, _ in f) for name, f in figures.items()}
    memory = {name: statistics.median(m for _, m in f) for name, f in figures.items()}
    ratios = {name: statistics.median(p / o for (p, _), (o, _) in zip(figures["prismark"], f))
              for name, f in figures.items()}
    return times, memory, ratios


def print_times(times):
    print("start to first paint: " +
          ", ".join(f"{name} {times[name]:.1f} ms" for name in NAMES))


def linux(binaries, work, env):
    runs = 31
    times, memory, ratios = medians(dict(zip(NAMES, ([b] for b in binaries))), env, runs)
    print(f"platform: {env.get('QT_QPA_PLATFORM') or 'Xvfb'}, medians of {runs} runs")
    print_times(times)
    print(f"  ratio to the form floor {ratios['form floor']:.2f} (target: at most 1.10); to the"
          f" text floor {ratios['text floor']:.2f} (medians of the ratios within each round)")
    print(f"peak memory: prismark {memory['prismark']:.1f} MiB, form floor"
          f" {memory['form floor']:.1f} MiB, difference"
          f" {memory['prismark'] - memory['form floor']:.1f} MiB (target: at most 2)")
    sys.stdout.flush()
    subprocess.run([work], env=env, check=True)
    print("targets: under 1 ms for 100-character parts; at most 2.00 times the bare"
          " QLineEdit for 100,000-character parts; ns per character flat as parts grow")


def wine(prefix, binaries, env):
    runs = 15
    env.update(WINEPREFIX=prefix, WINEDEBUG="-all", WINEDLLOVERRIDES="mscoree,mshtml=")
    subprocess.run(["wineserver", "-p"], env=env, check=True)
    try:
        times, _, _ = medians(dict(zip(NAMES, (["wine", b] for b in binaries))), env, runs)
    finally:
        subprocess.run(["wineserver", "-k"], env=env)
    print(f"platform: Wine on Xvfb, prefix {prefix}, medians of {runs} runs from `wine` to exit")
    print_times(times)
    print(f"  prismark over the bare window: +{times['prismark'] - times['bare window']:.0f} ms"
          f" (target: at most +60)")


def main():
    args = sys.argv[1:]
    prefix = None
    if args and args[0] == "--wine":
        prefix, args = args[1], args[2:]
    env = dict(os.environ)
    runtime = tempfile.mkdtemp(prefix="prismark-bench-")
    os.chmod(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    xvfb = start_display(env)
    try:
        if prefix:
            wine(prefix, args[:4], env)
        else:
            linux(args[:4], args[4], env)
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
