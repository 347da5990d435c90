#!/usr/bin/env python3
"""Times whole conversions of an IFC schema and prints median wall time and peak memory, beside the floor:
the time raptor alone takes to write the same statements as RDF/XML.

usage: bench/conversion_bench.py [--schema PATH] [--runs N] [--switches 5,6,7,9] [--binary build/sartell]
"""
import argparse
import os
import resource
import shutil
import statistics
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def run_measured(cmd, **kw):
    """Runs cmd, returns (seconds, peak resident KiB of that child)."""
    before = resource.getrusage(resource.RUSAGE_CHILDREN).ru_maxrss
    start = time.perf_counter()
    pid = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw).pid
    _, status, usage = os.wait4(pid, 0)
    seconds = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"failed: {' '.join(cmd)}")
    return seconds, usage.ru_maxrss


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--schema", default=os.path.join(ROOT, "..", "shared", "schemas", "IFC4_ADD2_TC1.exp"))
    ap.add_argument("--runs", type=int, default=7)
    ap.add_argument("--switches", default="6,7,9")
    ap.add_argument("--uri", default="https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL")
    ap.add_argument("--binary", default=os.path.join(ROOT, "build", "sartell"))
    args = ap.parse_args()
    on = {int(s) for s in args.switches.split(",") if s}
    flags = ["1" if n in on else "0" for n in (5, 6, 7)] + ["", "1" if 9 in on else "0"]

    times, peaks = [], []
    work = tempfile.mkdtemp(prefix="sartell-bench-")
    try:
        for i in range(args.runs):
            repo = os.path.join(work, f"repo{i}")
            os.makedirs(repo)
            shutil.copy(args.schema, repo)
            cmd = [args.binary, os.path.basename(args.schema), "out.owl", args.uri, repo] + flags
            seconds, peak = run_measured(cmd)
            times.append(seconds)
            peaks.append(peak)

        # The floor: raptor writing the same statements as RDF/XML, from N-Triples.
        repo = os.path.join(work, "repo0")
        floors = []
        owl_files = sorted(f for f in os.listdir(repo) if f.endswith(".owl"))
        for f in owl_files:
            nt = os.path.join(work, f + ".nt")
            with open(nt, "w") as out:
                subprocess.run(["rapper", "-q", "-i", "rdfxml", "-o", "ntriples", os.path.join(repo, f)],
                               stdout=out, check=True)
        for _ in range(args.runs):
            total = 0.0
            for f in owl_files:
                seconds, _ = run_measured(["rapper", "-q", "-i", "ntriples", "-o", "rdfxml",
                                           os.path.join(work, f + ".nt")])
                total += seconds
            floors.append(total)
    finally:
        shutil.rmtree(work, ignore_errors=True)

    median, floor = statistics.median(times), statistics.median(floors)
    print(f"schema: {os.path.basename(args.schema)}  switches on: {sorted(on)}  runs: {args.runs}")
    print(f"conversion median wall time: {median * 1000:.0f} ms  (min {min(times) * 1000:.0f}, max {max(times) * 1000:.0f})")
    print(f"conversion peak memory: {max(peaks) / 1024:.1f} MB")
    print(f"floor (rapper ntriples -> rdfxml over {len(owl_files)} files): {floor * 1000:.0f} ms")
    print(f"ratio to floor: {median / floor:.2f}x")


if __name__ == "__main__":
    main()
