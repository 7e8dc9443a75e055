"""Prints Prismark's speed and memory figures beside the toolkit's own.

    run_bench.py STARTUP_PRISMARK STARTUP_BARE WORK_BENCH

Start-up is timed from process start to the main window's first paint (the programs end right
after it), against a bare Qt window built in the same tree, in alternating runs; each figure is
the median of the runs. Under a private Xvfb where one is installed, else on Qt's offscreen
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
    prismark, bare, work = sys.argv[1:4]
    env = dict(os.environ)
    runtime = tempfile.mkdtemp(prefix="prismark-bench-")
    os.chmod(runtime, 0o700)
    env["XDG_RUNTIME_DIR"] = runtime
    xvfb, platform = start_display(env)
    try:
        for binary in (prismark, bare):  # warm the file cache
            run_once(binary, env)
        ours, theirs = [], []
        for _ in range(RUNS):
            ours.append(run_once(prismark, env))
            theirs.append(run_once(bare, env))
        time_ours = statistics.median(t for t, _ in ours)
        time_bare = statistics.median(t for t, _ in theirs)
        memory_ours = statistics.median(m for _, m in ours)
        memory_bare = statistics.median(m for _, m in theirs)
        print(f"platform: {platform}, medians of {RUNS} runs")
        print(f"start to first paint: prismark {time_ours:.1f} ms, bare window {time_bare:.1f} ms,"
              f" ratio {time_ours / time_bare:.2f} (target: at most 1.20)")
        print(f"peak memory: prismark {memory_ours:.1f} MiB, bare window {memory_bare:.1f} MiB,"
              f" difference {memory_ours - memory_bare:.1f} MiB (target: at most 8)")
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
