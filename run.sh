#!/usr/bin/env bash
# Installs what is missing, builds, and starts the editor:  ./run.sh [design.lgc]
set -euo pipefail
root="$(cd "$(dirname "$0")" && pwd)"
"$root/scripts/setup.sh"
exec "$root/build/bin/vantrel" "$@"
