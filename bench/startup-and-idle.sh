#!/bin/sh
# Start-up time, resident memory and idle wakeups of a program of the suite.
# Prints figures; passes or fails on nothing. Needs a display (DISPLAY or Xvfb).
#   bench/startup-and-idle.sh build/bin/quorix-config [idle-seconds]
#   bench/startup-and-idle.sh build/bin/quorix-sim 10
set -eu
program=${1:?program to measure}
idle=${2:-10}
log=$(mktemp)
runtime=$(mktemp -d)
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$log" "$runtime"' EXIT

start=$(date +%s%N)
XDG_RUNTIME_DIR=$runtime "$program" >"$log" 2>&1 &
pid=$!
# The first detection pass ends start-up, with or without a device.
until grep -qE 'Device (Connect|DisConnect)' "$log"; do
    kill -0 "$pid" 2>/dev/null || { cat "$log"; exit 1; }
    sleep 0.01
done
ready=$(date +%s%N)
echo "start-up to first detection pass: $(( (ready - start) / 1000000 )) ms"

sleep 2
switches() {
    total=0
    for s in /proc/"$pid"/task/*/status; do
        n=$(awk '/^(voluntary|nonvoluntary)_ctxt_switches/ {s += $2} END {print s}' "$s")
        total=$((total + n))
    done
    echo "$total"
}
before=$(switches)
sleep "$idle"
after=$(switches)
echo "resident memory: $(awk '/^VmRSS/ {print $2, $3}' /proc/"$pid"/status)"
echo "threads: $(ls /proc/"$pid"/task | wc -l)"
echo "idle wakeups: $(( (after - before) / idle )) per second over ${idle} s"
