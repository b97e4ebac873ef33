#!/usr/bin/env bash
# Installs what is missing, builds Tarnlink and starts it.
#
#   scripts/run.sh          the program with the user's own settings
#   scripts/run.sh --sim    the program against the stage simulator: a bus with a few power
#                           stages on a pseudo-terminal, with settings of its own in a
#                           temporary folder (the user's settings are not touched)
set -euo pipefail
cd "$(dirname "$0")/.."

sim=0
if [ "${1:-}" = "--sim" ]; then
  sim=1
  shift
fi

bash scripts/install-deps.sh
cmake -S . -B build -DCMAKE_BUILD_TYPE=RelWithDebInfo
if [ $sim -eq 0 ]; then
  cmake --build build -j "$(nproc)" --target tarnlink
  exec ./build/tarnlink "$@"
fi

cmake --build build -j "$(nproc)" --target tarnlink stagesim
config=$(mktemp -d)
pathfile="$config/port"
./build/tests/sim/stagesim --baud 9600 1:KEV "3:KEV:KEV 1.62" "5:HWK:HWK 2.10" 7:LQN >"$pathfile" &
sim_pid=$!
trap 'kill $sim_pid 2>/dev/null; rm -rf "$config"' EXIT
for _ in $(seq 50); do
  [ -s "$pathfile" ] && break
  sleep 0.1
done
port=$(head -n 1 "$pathfile")
[ -n "$port" ] || { echo "stagesim did not start" >&2; exit 1; }
mkdir -p "$config/Korvane GmbH"
cat >"$config/Korvane GmbH/Tarnlink.conf" <<CONF
[Settings]
ComType=0
ActiveCom=$port
ComParameter=9600, n, 8, 1
AxAddr=0
Checksum=0
CONF
echo "stage simulator on $port: KEV at 1 and 3, HWK at 5, LQN at 7 (9600, n, 8, 1)"
XDG_CONFIG_HOME="$config" ./build/tarnlink "$@"
