#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor on the example project.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/install-deps.sh
cmake -S . -B build -G Ninja
cmake --build build
exec ./build/src/app/zerbantiko build/examples/Clubavond.zb "$@"
