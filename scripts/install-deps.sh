#!/usr/bin/env bash
# Installs the Debian packages the build, the tests and the benchmarks need, when any is missing.
set -euo pipefail
packages=(build-essential cmake pkg-config librdf0-dev libraptor2-dev librasqal3-dev libtinyxml-dev
          libboost-filesystem-dev libboost-system-dev libgtest-dev raptor2-utils clang libclang-rt-14-dev clang-format
          libowlapi-java libslf4j-java default-jdk-headless)
missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
[ ${#missing[@]} -eq 0 ] && exit 0
sudo=""
[ "$(id -u)" -ne 0 ] && sudo="sudo"
echo "Installing: ${missing[*]}"
$sudo apt-get update -qq
DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -qq "${missing[@]}" >/dev/null
