#!/usr/bin/env bash
# Installs what is missing, builds the sartell command alone, and converts the example schema into out/demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${BUILD_DIR:-build}
cmake -S . -B "$build" -DCMAKE_BUILD_TYPE=${BUILD_TYPE:-RelWithDebInfo} >/dev/null
cmake --build "$build" -j"$(nproc)" --target sartell
repo="$PWD/out/demo"
"$build/sartell" ontology --dir "$repo" --uri https://example.org/ontologies/Example \
    --list-cardinality --import-base http://example.org/external/ --fresh-vocabulary examples/example.exp
echo "Ontologies written to $repo:"
ls "$repo"
