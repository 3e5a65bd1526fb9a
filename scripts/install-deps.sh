#!/usr/bin/env bash
# Installs the Debian 12 packages a build needs, only those still missing.
# Usage: scripts/install-deps.sh native|windows ...   (as root when anything is missing)
set -euo pipefail

declare -A GROUPS_OF=(
  [native]="g++ cmake ninja-build libgtest-dev libgmock-dev googletest"
  [windows]="g++-mingw-w64-x86-64 wine wine64"
)

wanted=()
for group in "$@"; do
  [[ -n "${GROUPS_OF[$group]:-}" ]] || { echo "install-deps: unknown group '$group'" >&2; exit 2; }
  read -r -a packages <<< "${GROUPS_OF[$group]}"
  wanted+=("${packages[@]}")
done

missing=()
for package in "${wanted[@]}"; do
  status=$(dpkg-query -W -f='${Status}' "$package" 2>/dev/null || true)
  [[ "$status" == "install ok installed" ]] || missing+=("$package")
done

if ((${#missing[@]} == 0)); then
  exit 0
fi
if [[ $(id -u) -ne 0 ]]; then
  echo "install-deps: missing packages: ${missing[*]}; run this as root to install them" >&2
  exit 1
fi
echo "install-deps: installing ${missing[*]}"
export DEBIAN_FRONTEND=noninteractive
apt-get update
apt-get install -y "${missing[@]}"
