#!/usr/bin/env bash
# Builds the native release and runs the program's main job in a folder of
# its own, headless ("/S"), then shows what the run left: its exit code, the
# result logs, the trace file and the version record.
# Installs what is missing (as root). Re-runnable: each run starts clean.
# Usage: scripts/run_main.sh [program arguments...]   (added after "/S")
set -euo pipefail

caller=$PWD
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
cd "$root"
"$root/scripts/install-deps.sh" native

echo "== building the native release"
cmake --preset release >/dev/null
cmake --build --preset release --target NUVDravFlasher -j "${NUV_JOBS:-2}"

# The program reads DRAV.ini beside itself and leaves its logs there.
run="$root/build/release/main-job"
rm -rf "$run"
mkdir -p "$run"
cp "$root/build/release/NUVDravFlasher" "$run/"
cat > "$run/DRAV.ini" <<'INI'
[MESSAGE]
ENABLE=1
[CLOSEAPP]
PASS=1
FAIL=1
INI
# The version record goes to a file store under XDG_STATE_HOME: keep it in the run folder.
export XDG_STATE_HOME="$run/state"

# The program runs in its own folder: a relative description file stays the caller's.
args=()
for arg in "$@"; do
  if [[ $arg == --simulate=* && ${arg#--simulate=} != /* ]]; then
    arg="--simulate=$caller/${arg#--simulate=}"
  fi
  args+=("$arg")
done

echo "== running: NUVDravFlasher /S${args[*]:+ ${args[*]}}  (in $run)"
set +e
(cd "$run" && timeout 600 ./NUVDravFlasher /S "${args[@]}" > stdout.txt 2> stderr.txt)
code=$?
set -e

show() {   # title, file
  echo "-- $1: ${2#"$run"/}"
  if [[ -s $2 ]]; then tr -d '\r' < "$2" | sed 's/^/   | /'; else echo "   (empty)"; fi
}
echo "== exit code: $code"
show "standard output" "$run/stdout.txt"
show "standard error" "$run/stderr.txt"
shopt -s nullglob
logs=("$run"/NUVDRAVlog*.txt)
((${#logs[@]})) || echo "-- no result log (NUVDRAVlog*.txt) was written"
for log in "${logs[@]}"; do show "result log" "$log"; done
if [[ -f $run/Mesaage.log ]]; then show "trace file" "$run/Mesaage.log"; else echo "-- no trace file (Mesaage.log)"; fi
records=$(find "$run/state" -type f 2>/dev/null || true)
if [[ -n $records ]]; then
  while IFS= read -r record; do
    echo "-- version record ${record#"$run/state/NUVDravFlasher/registry/"}: \"$(cat "$record")\""
  done <<< "$records"
else
  echo "-- no version record was written"
fi
[[ $code -ne 124 ]] || { echo "== the program did not end within 600 s" >&2; exit 1; }
