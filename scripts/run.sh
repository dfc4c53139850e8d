#!/usr/bin/env bash
# Installs what Quarvel needs, builds it and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/setup.sh build
exec build/ui/quarvel "$@"
