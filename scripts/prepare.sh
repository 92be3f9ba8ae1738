# Sourced by the commands at their start: sets root (the project) and build (BUILD_ROOT, else build/),
# installs what is needed and builds the trees named by the first argument (else those of TR_TREES, else all).
root="$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)"
build="${BUILD_ROOT:-$root/build}"
"$root/scripts/setup.sh"
TR_TREES="${1:-${TR_TREES:-}}" "$root/scripts/build.sh"
