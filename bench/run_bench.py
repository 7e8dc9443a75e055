"""Prints Prismark's speed and memory figures beside the toolkit's own.

    run_bench.py STARTUP_PRISMARK STARTUP_BARE STARTUP_TEXT WORK_BENCH

Start-up is timed from process start to the main window's first paint (the programs end right
after it), against two floors built in the same tree: a bare Qt window, and a Qt window that
shows a label, a field and a list in Prismark's fonts (the toolkit's cost of any first text).
The three run in turn; each figure is the median of the runs. Under a private Xvfb where one is installed, else on Qt's offscreen
platform.
"""

import os
import shutil
import statistics
import subprocess
import sys
import tempfile
import time

RUNS = 15


def start_display(env):
    if not shutil.which("Xvfb"):
        env["QT_QPA_PLATFORM"] = "offscreen"
        return None, "offscreen"
    read_fd, write_fd = os.pipe()
    xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write_fd), "-noreset", "-nolisten", "tcp",
                             "-screen", "0", "1280x1024x24"],
                            pass_fds=(write_fd,), stderr=subprocess.DEVNULL)
    os.close(write_fd)
    with os.fdopen(read_fd) as announced:
        env["DISPLAY"] = ":" + announced.readline().strip()
    env.pop("QT_QPA_PLATFORM", None)
    return xvfb, "Xvfb"


def run_once(binary, env):
    """Wall time in ms and peak resident memory in MiB of one run."""
    started = time.perf_counter()
    child = subprocess.Popen([binary], env=env, stdout=subprocess.DEVNULL,
                             stderr=subprocess.DEVNULL)
    _, status, usage = os.wait4(child.pid, 0)
    elapsed = (time.perf_counter() - started) * 1000
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit(f"{binary} failed")
    return elapsed, usage.ru_maxrss / 1024


def main():
    prismark, bare, text, work = sys.argv[1:5]
    env = dict(os.environ)
    runtime = tempfile.mkdtemp(prefix="prismark-bench-")
    os.chmod(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    xvfb, platform = start_display(env)
    try:
        binaries = {"prismark": prismark, "bare window": bare, "text window": text}
        for binary in binaries.values():  # warm the file cache
            run_once(binary, env)
        runs = {name: [] for name in binaries}
        for _ in range(RUNS):
            for name, binary in binaries.items():
                runs[name].append(run_once(binary, env))
        times = {name: statistics.median(t for t, _ in r) for name, r in runs.items()}
        memory = {name: statistics.median(m for _, m in r) for name, r in runs.items()}
        print(f"platform: {platform}, medians of {RUNS} runs")
        print(f"start to first paint: prismark {times['prismark']:.1f} ms, "
              f"text window {times['text window']:.1f} ms, "
              f"bare window {times['bare window']:.1f} ms")
        print(f"  ratio to the text window {times['prismark'] / times['text window']:.2f}"
              f" (target: at most 1.20); to the bare window"
              f" {times['prismark'] / times['bare window']:.2f}")
        print(f"peak memory: prismark {memory['prismark']:.1f} MiB, bare window"
              f" {memory['bare window']:.1f} MiB, difference"
              f" {memory['prismark'] - memory['bare window']:.1f} MiB (target: at most 8)")
        sys.stdout.flush()
        subprocess.run([work], env=env, check=True)
        print("targets: under 1 ms for 100-character parts; at most 2.00 times the bare"
              " QLineEdit for 100,000-character parts; ns per character flat as parts grow")
    finally:
        if xvfb:
            xvfb.terminate()
            xvfb.wait()
        shutil.rmtree(runtime, ignore_errors=True)


if __name__ == "__main__":
    main()
