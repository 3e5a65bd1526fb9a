#!/usr/bin/env bash
# Builds and runs every test: native debug, native under AddressSanitizer +
# UndefinedBehaviorSanitizer, and the Windows cross build under Wine.
# Installs what is missing (as root). Re-runnable; exits non-zero on any failure.
# Usage: scripts/test.sh [debug] [asan] [windows]   (default: all three)
# NUV_JOBS sets the build and test parallelism (default 2).
set -uo pipefail

root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
stages=("$@")
((${#stages[@]})) || stages=(debug asan windows)
jobs=${NUV_JOBS:-2}

groups=(native)
for stage in "${stages[@]}"; do
  case $stage in
    debug|asan) ;;
    windows) groups+=(windows) ;;
    *) echo "test.sh: unknown stage '$stage' (debug, asan, windows)" >&2; exit 2 ;;
  esac
done
"$root/scripts/install-deps.sh" "${groups[@]}" || exit 1

# A Wine prefix of its own inside the build folder; its first start takes a while.
prepare_wine() {
  export WINEDEBUG=-all
  export WINEPREFIX="$root/build/windows/wineprefix"
  if [[ ! -f "$WINEPREFIX/system.reg" ]]; then
    echo "== creating the Wine prefix $WINEPREFIX"
    mkdir -p "$WINEPREFIX"
    wineboot -i && wineserver -w
  fi
}

run_stage() {
  local preset=$1
  echo "== $preset: configure, build, test"
  cmake --preset "$preset" &&
    cmake --build --preset "$preset" -j "$jobs" &&
    { [[ $preset != windows ]] || prepare_wine; } &&
    ctest --preset "$preset" -j "$jobs"
}

failed=()
for stage in "${stages[@]}"; do
  start=$SECONDS
  if run_stage "$stage"; then
    echo "== $stage: passed in $((SECONDS - start)) s"
  else
    echo "== $stage: FAILED after $((SECONDS - start)) s"
    failed+=("$stage")
  fi
done

if ((${#failed[@]})); then
  echo "== failed: ${failed[*]}"
  exit 1
fi
echo "== all passed: ${stages[*]}"
