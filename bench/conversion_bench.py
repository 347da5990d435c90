#!/usr/bin/env python3
"""Times whole conversions of an IFC schema in each output format and prints them beside the floors: the
time raptor's rapper takes to write the same statements as RDF/XML, Turtle and N-Triples (read from
N-Triples), and raptor's serializers alone in process. Then a scaling run over 1x, 4x and 16x a synthetic
schema made of renamed copies of the schema's declarations (generated here, never stored).

usage: bench/conversion_bench.py [--schema PATH] [--runs N] [--scaling 1,4,16] [--build build]
"""
import argparse
import os
import re
import shutil
import statistics
import subprocess
import tempfile
import time

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)
FORMATS = [("rdfxml", ".owl"), ("turtle", ".ttl"), ("ntriples", ".nt")]


def run_measured(cmd, **kw):
    """Runs cmd, returns (wall seconds, peak resident KiB, CPU seconds) of that child."""
    start = time.perf_counter()
    proc = subprocess.Popen(cmd, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL, **kw)
    _, status, usage = os.wait4(proc.pid, 0)
    seconds = time.perf_counter() - start
    if status != 0:
        raise SystemExit(f"failed: {' '.join(cmd)}")
    return seconds, usage.ru_maxrss, usage.ru_utime + usage.ru_stime


def median_run(make_cmd, runs, work):
    """Median wall and CPU seconds, peak MB of runs of make_cmd(fresh repository folder)."""
    times, peaks, cpus = [], [], []
    for _ in range(runs):
        repo = tempfile.mkdtemp(dir=work)
        seconds, peak, cpu = run_measured(make_cmd(repo))
        times.append(seconds)
        peaks.append(peak)
        cpus.append(cpu)
    return (statistics.median(times), statistics.median(cpus)), max(peaks) / 1024, repo


def graph_files(folder, extension):
    found = []
    for base, _, names in os.walk(folder):
        found += [os.path.join(base, n) for n in names if n.endswith(extension)]
    return sorted(found)


def sartell_cmd(binary, schema, uri):
    """The positional command line with switches 6, 7 and 9 (RDF/XML)."""
    def make(repo):
        shutil.copy(schema, repo)
        return [binary, os.path.basename(schema), "out.owl", uri, repo, "0", "1", "1", "", "1"]
    return make


def runner_cmd(runner, schema, uri, fmt):
    return lambda repo: [runner, "convert", schema, uri, repo, fmt, "ldwg"]


def synthetic_schema(source, copies, target):
    """source's declarations, and copies-1 more of them with every declared name suffixed _C<k>."""
    text = open(source, encoding="latin-1").read()
    start = text.index("\n", re.search(r"^SCHEMA\s+\w+\s*;", text, re.M).start()) + 1
    end = re.search(r"^END_SCHEMA\s*;", text, re.M).start()
    head, body, tail = text[:start], text[start:end], text[end:]
    names = set(re.findall(r"^\s*(?:TYPE|ENTITY|FUNCTION|RULE)\s+(\w+)", body, re.M))
    # Written copy by copy: a child forked from a large process would count the parent's pages in its peak.
    with open(target, "w", encoding="latin-1", newline="") as out:
        out.write(head + body)
        for k in range(1, copies):
            out.write(re.sub(r"\b\w+\b", lambda m: m.group(0) + f"_C{k}" if m.group(0) in names else m.group(0),
                             body))
        out.write(tail)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--schema", default=os.path.join(ROOT, "..", "shared", "schemas", "IFC4_ADD2_TC1.exp"))
    ap.add_argument("--runs", type=int, default=5)
    ap.add_argument("--scaling", default="1,4,16")
    ap.add_argument("--uri", default="https://standards.buildingsmart.org/IFC/DEV/IFC4/ADD2_TC1/OWL")
    ap.add_argument("--build", default=os.path.join(ROOT, "build"))
    args = ap.parse_args()
    binary = os.path.join(args.build, "sartell")
    runner = os.path.join(args.build, "bench_conversion")
    schema = os.path.abspath(args.schema)

    work = tempfile.mkdtemp(prefix="sartell-bench-")
    try:
        rows = []
        t, mb, repo = median_run(sartell_cmd(binary, schema, args.uri), args.runs, work)
        rows.append(("sartell (rdfxml)", t, mb))
        ours = {}
        for fmt, _ in FORMATS:
            t, mb, _ = median_run(runner_cmd(runner, schema, args.uri, fmt), args.runs, work)
            ours[fmt] = t
            rows.append((f"conversion {fmt}", t, mb))

        # The floors read the conversion's statements from N-Triples (converted once, not timed).
        nts = []
        for owl in graph_files(repo, ".owl"):
            nt = owl[:-4] + ".bench.nt"
            with open(nt, "w") as out:
                subprocess.run(["rapper", "-q", "-i", "rdfxml", "-o", "ntriples", owl], stdout=out, check=True)
            nts.append(nt)
        floors, in_process = {}, {}
        for fmt, _ in FORMATS:
            totals, cpus, peak = [], [], 0
            for _ in range(args.runs):
                total = cpu_total = 0.0
                for nt in nts:
                    seconds, kib, cpu = run_measured(["rapper", "-q", "-i", "ntriples", "-o", fmt, nt])
                    total += seconds
                    cpu_total += cpu
                    peak = max(peak, kib)
                totals.append(total)
                cpus.append(cpu_total)
            floors[fmt] = (statistics.median(totals), statistics.median(cpus))
            rows.append((f"rapper ntriples -> {fmt}", floors[fmt], peak / 1024))
            writes = []
            for _ in range(args.runs):
                out = subprocess.run([runner, "raptor-write", fmt, work] + nts, capture_output=True, text=True,
                                     check=True)
                writes.append(float(out.stdout.strip()) / 1000)
            in_process[fmt] = statistics.median(writes)

        print(f"schema: {os.path.basename(schema)}  switches 6, 7, 9  runs: {args.runs}  (medians)")
        print(f"{'':32} {'wall ms':>8} {'CPU ms':>8} {'peak MB':>8}")
        for name, (wall, cpu), mb in rows:
            print(f"{name:32} {wall * 1000:8.0f} {cpu * 1000:8.0f} {mb:8.1f}")
        print("raptor serializer alone, in process (ms): " +
              ", ".join(f"{fmt} {in_process[fmt] * 1000:.0f}" for fmt, _ in FORMATS))
        for fmt, _ in FORMATS:
            print(f"ratio conversion {fmt} / rapper {fmt} write: wall {ours[fmt][0] / floors[fmt][0]:.2f}x"
                  f"  CPU {ours[fmt][1] / floors[fmt][1]:.2f}x")

        if args.scaling:
            factors = [int(f) for f in args.scaling.split(",") if f]
            schemas = {}
            for factor in factors:
                schemas[factor] = os.path.join(work, f"synthetic{factor}x.exp")
                synthetic_schema(schema, factor, schemas[factor])
            # Runs of every size take turns, so that a change in the host's speed falls on all of them alike.
            walls, cpus, peaks, sizes = {f: [] for f in factors}, {f: [] for f in factors}, {}, {}
            for _ in range(max(5, args.runs)):
                for factor in factors:
                    repo = tempfile.mkdtemp(dir=work)
                    seconds, peak, cpu = run_measured(sartell_cmd(binary, schemas[factor], args.uri)(repo))
                    walls[factor].append(seconds)
                    cpus[factor].append(cpu)
                    peaks[factor] = max(peaks.get(factor, 0), peak)
                    sizes[factor] = sum(os.path.getsize(f) for f in graph_files(repo, ".owl"))
                    shutil.rmtree(repo)
            print("scaling (sartell, rdfxml, switches 6, 7, 9):")
            base = factors[0]
            for factor in factors:
                wall, cpu = statistics.median(walls[factor]), statistics.median(cpus[factor])
                base_wall, base_cpu = statistics.median(walls[base]), statistics.median(cpus[base])
                print(f"  {factor:3}x input: {wall * 1000:7.0f} ms wall {cpu * 1000:7.0f} ms CPU"
                      f"  {peaks[factor] / 1024:6.1f} MB  output {sizes[factor] / 1e6:6.1f} MB"
                      f"  time {wall / base_wall:5.2f}x wall {cpu / base_cpu:5.2f}x CPU"
                      f"  output {sizes[factor] / sizes[base]:5.2f}x")
    finally:
        shutil.rmtree(work, ignore_errors=True)


if __name__ == "__main__":
    main()
