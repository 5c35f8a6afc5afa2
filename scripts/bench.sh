#!/bin/sh
# Main job: builds the library and its benchmark (Release) and runs it against its peers.
# Extra arguments go to the benchmark program.
set -eu
root=$(cd "$(dirname "$0")/.." && pwd)
"$root/scripts/deps.sh"
exec "$root/bench/run.sh" "$@"
