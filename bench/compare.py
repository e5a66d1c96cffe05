#!/usr/bin/env python3
"""Compares kenrow's CPU time with a plain copy by dd, and its peak memory at
two input sizes.

    python3 bench/compare.py [--kenrow build/kenrow] [--runs 11] [--size-mib 256]

It writes its inputs to bench/work/ (random 16-bit stereo samples behind a
canonical header), warms the page cache, then runs kenrow and
`dd if=IN of=COPY bs=1M` in turn. CPU time is user + system time as the kernel
accounts it for each finished process (wall time swings too much on a shared
machine to compare). Peak memory is the maximum resident set size of kenrow on
a 1 MiB and a 1 GiB input. Needs Python 3, coreutils and GNU time (Debian
package time).
"""
import argparse
import os
import statistics
import struct
import subprocess
import sys

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
WORK = os.path.join(HERE, "work")
MIB = 1024 * 1024


def make_input(path, data_bytes):
    """A canonical 16-bit stereo WAVE file with random samples."""
    if os.path.exists(path) and os.path.getsize(path) == 44 + data_bytes:
        return
    fmt = struct.pack("<HHIIHH", 1, 2, 44100, 176400, 4, 16)
    header = (b"RIFF" + struct.pack("<I", 36 + data_bytes) + b"WAVE" + b"fmt " +
              struct.pack("<I", 16) + fmt + b"data" + struct.pack("<I", data_bytes))
    with open(path, "wb") as out, open("/dev/urandom", "rb") as noise:
        out.write(header)
        left = data_bytes
        while left:
            block = noise.read(min(left, 8 * MIB))
            out.write(block)
            left -= len(block)


def cpu_seconds(argv):
    """Runs argv; returns the user + system time of that process."""
    with open(os.devnull, "wb") as null:
        process = subprocess.Popen(argv, stdout=null, stderr=null)
        _, status, usage = os.wait4(process.pid, 0)
    if os.waitstatus_to_exitcode(status) != 0:
        sys.exit("failed: " + " ".join(argv))
    return usage.ru_utime + usage.ru_stime


def peak_kib(argv):
    """Runs argv under GNU time; returns its maximum resident set in KiB.

    A process started straight from Python inherits Python's high-water mark
    across exec, so the small `time` program starts it instead.
    """
    report = os.path.join(WORK, "time.txt")
    with open(os.devnull, "wb") as null:
        subprocess.run(["/usr/bin/time", "-f", "%M", "-o", report] + argv,
                       stdout=null, stderr=null, check=True)
    with open(report) as f:
        return int(f.read().split()[-1])


def warm(path):
    with open(path, "rb") as f:
        while f.read(8 * MIB):
            pass


def main():
    parser = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    parser.add_argument("--kenrow", default=os.path.join(ROOT, "build", "kenrow"))
    parser.add_argument("--runs", type=int, default=11)
    parser.add_argument("--size-mib", type=int, default=256)
    args = parser.parse_args()
    os.makedirs(WORK, exist_ok=True)

    big = os.path.join(WORK, "in-%dM.wav" % args.size_mib)
    out = os.path.join(WORK, "out.wav")
    copy = os.path.join(WORK, "copy.wav")
    make_input(big, args.size_mib * MIB)
    warm(big)

    kenrow_times, dd_times = [], []
    for _ in range(args.runs):
        kenrow_times.append(cpu_seconds([args.kenrow, big, out]))
        dd_times.append(cpu_seconds(["dd", "if=" + big, "of=" + copy, "bs=1M"]))
    kenrow_median = statistics.median(kenrow_times)
    dd_median = statistics.median(dd_times)
    print("input: %d MiB, %d runs each, CPU time = user + system" % (args.size_mib, args.runs))
    print("kenrow runs: " + " ".join("%.3f" % t for t in kenrow_times))
    print("dd runs:     " + " ".join("%.3f" % t for t in dd_times))
    print("kenrow median: %.3f s" % kenrow_median)
    print("dd bs=1M median: %.3f s" % dd_median)
    print("ratio kenrow / dd: %.2f (target: at most 0.90)" % (kenrow_median / dd_median))

    small = os.path.join(WORK, "in-1M.wav")
    large = os.path.join(WORK, "in-1024M.wav")
    make_input(small, MIB)
    make_input(large, 1024 * MIB)
    warm(large)
    small_rss = peak_kib([args.kenrow, small, out])
    large_rss = peak_kib([args.kenrow, large, out])
    print("peak memory, 1 MiB input: %d KiB" % small_rss)
    print("peak memory, 1 GiB input: %d KiB (difference %+d KiB; limit 1024)" %
          (large_rss, large_rss - small_rss))
    for path in (out, copy, os.path.join(WORK, "time.txt")):
        os.remove(path)


if __name__ == "__main__":
    main()
