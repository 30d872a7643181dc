#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# speechd.sh start|stop STATE_DIR
# A private speech-dispatcher for the speech tests: espeak-ng into ALSA's null device, so it needs
# no sound card and runs faster than real time. `start` prints the address clients need.
set -uo pipefail
action=${1:?usage: speechd.sh start|stop STATE_DIR}
state=${2:?usage: speechd.sh start|stop STATE_DIR}
dir="$state/speechd"
pidfile="$dir/speechd.pid"
socket="$dir/speechd.sock"

stop() {
  [ -f "$pidfile" ] || return 0
  local pid
  pid=$(cat "$pidfile" 2>/dev/null)
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -9 "$pid" 2>/dev/null || true
  fi
  rm -f "$pidfile" "$socket"
}

start() {
  command -v speech-dispatcher >/dev/null || { echo "speechd.sh: speech-dispatcher is not installed" >&2; return 1; }
  stop
  mkdir -p "$dir/conf/modules" "$dir/log"
  # Load only espeak-ng, with its built-in settings: starting every installed module is slower.
  : >"$dir/conf/modules/espeak-ng.conf"
  cat >"$dir/conf/speechd.conf" <<CONF
LogLevel ${SPEECHD_LOG_LEVEL:-3}
LogDir "$dir/log"
Timeout 0
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
AudioOutputMethod "alsa"
AudioALSADevice "null"
CONF
  speech-dispatcher -d -C "$dir/conf" -c unix_socket -S "$socket" -P "$pidfile" >"$dir/log/stdout" 2>&1 \
    || { echo "speechd.sh: speech-dispatcher did not start (see $dir/log)" >&2; return 1; }

  # Only ask once the socket is there: a client that finds none would autospawn a stock daemon.
  for _ in $(seq 100); do [ -S "$socket" ] && break; sleep 0.1; done
  [ -S "$socket" ] || { echo "speechd.sh: no socket at $socket" >&2; stop; return 1; }
  if ! SPEECHD_ADDRESS="unix_socket:$socket" timeout 15 spd-say -w "check" >&2; then
    echo "speechd.sh: the private speech-dispatcher does not speak (see $dir/log)" >&2
    stop
    return 1
  fi
  echo "SPEECHD_ADDRESS=unix_socket:$socket"
}

case "$action" in
  start) start ;;
  stop) stop ;;
  *) echo "usage: speechd.sh start|stop STATE_DIR" >&2; exit 2 ;;
esac
