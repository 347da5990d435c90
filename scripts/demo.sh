#!/usr/bin/env bash
# Installs what is missing, builds, and converts the example schema into the repository out/demo.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
scripts/build.sh
repo="$PWD/out/demo"
mkdir -p "$repo"
cp examples/example.exp "$repo/"
build/sartell example.exp example.owl https://example.org/ontologies/Example "$repo" 0 1 1 http://example.org/external/ 1
echo "Ontologies written to $repo:"
ls "$repo"
