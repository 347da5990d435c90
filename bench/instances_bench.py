#!/usr/bin/env python3
"""Times `sartell instances` on generated IFC4 models of growing size, beside raptor copying our own output.

usage: instances_bench.py [--sartell PATH] [--schema IFC4.exp] [--keep DIR] [SIZE ...]
Sizes are instance counts (default 10000 100000 1000000 5000000). For each size the script writes a model with
instances_model_generator.py, converts it to N-Triples, then runs `rapper -i ntriples -o ntriples` over that
output, and prints instances/s, MB/s of the model, peak memory against the budget of 100 MB + 16 B/instance,
and the conversion time beside raptor's copy.
"""
import argparse
import os
import subprocess
import sys
import tempfile

HERE = os.path.dirname(os.path.abspath(__file__))


def timed(command, stdout=subprocess.DEVNULL):
    """(wall seconds, cpu seconds, peak KB) of a command, by GNU time."""
    with tempfile.NamedTemporaryFile("r", suffix=".time") as report:
        subprocess.run(["/usr/bin/time", "-o", report.name, "-f", "%e %U %S %M"] + command, check=True,
                       stdout=stdout, stderr=subprocess.DEVNULL)
        wall, user, system, peak = report.read().split()
    return float(wall), float(user) + float(system), int(peak)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--sartell", default=os.path.join(HERE, "..", "build", "sartell"))
    parser.add_argument("--schema", default=os.path.join(HERE, "..", "..", "shared", "schemas", "IFC4_ADD2_TC1.exp"))
    parser.add_argument("--keep", help="folder for the models and outputs (default: a temporary one)")
    parser.add_argument("sizes", nargs="*", type=int, default=[10000, 100000, 1000000, 5000000])
    args = parser.parse_args()
    if not os.path.exists(args.schema):
        sys.exit("no schema at %s (give --schema)" % args.schema)
    folder = args.keep or tempfile.mkdtemp(prefix="sartell-instances-bench-")
    os.makedirs(folder, exist_ok=True)
    print("%10s %9s %8s %8s %11s %8s %9s %9s %9s %7s" % ("instances", "model MB", "wall s", "cpu s", "inst/s cpu",
                                                     "MB/s", "peak MB", "budget MB", "raptor s", "ratio"))
    for size in args.sizes:
        model = os.path.join(folder, "bench_%d.ifc" % size)
        output = os.path.join(folder, "bench_%d.nt" % size)
        if not os.path.exists(model):
            subprocess.run([sys.executable, os.path.join(HERE, "instances_model_generator.py"), str(size), model],
                           check=True, stdout=subprocess.DEVNULL)
        count = int(subprocess.run(["grep", "-c", "^#", model], capture_output=True, text=True).stdout)
        megabytes = os.path.getsize(model) / 1e6
        wall, cpu, peak = timed([args.sartell, "instances", "-q", "--schema", args.schema, "--format", "ntriples",
                                 "-o", output, model])
        raptor_wall, raptor_cpu, _ = timed(["rapper", "-q", "-i", "ntriples", "-o", "ntriples", output])
        budget = 100 + 16 * count / 1e6
        print("%10d %9.1f %8.2f %8.2f %11.0f %8.1f %9.1f %9.1f %9.2f %7.2f" %
              (count, megabytes, wall, cpu, count / max(cpu, 1e-9), megabytes / max(wall, 1e-9), peak / 1024,
               budget, raptor_wall, wall / max(raptor_wall, 1e-9)), flush=True)
        if not args.keep:
            os.remove(output)
    if not args.keep:
        for name in os.listdir(folder):
            os.remove(os.path.join(folder, name))
        os.rmdir(folder)


if __name__ == "__main__":
    main()
