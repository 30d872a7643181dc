#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# speechd.sh start|stop STATE_DIR
# A private speech-dispatcher for the speech tests: espeak-ng into ALSA's null device, so it needs
# no sound card and runs faster than real time. `start` prints the address clients need.
# With SPEECHD_AUDIO=pulse it plays instead into the null sink of a private PulseAudio, which takes
# as long as a loudspeaker would: how speech of several programs queues only shows at that pace.
set -uo pipefail
action=${1:?usage: speechd.sh start|stop STATE_DIR}
state=${2:?usage: speechd.sh start|stop STATE_DIR}
dir="$state/speechd"
pidfile="$dir/speechd.pid"
socket="$dir/speechd.sock"
pulse_runtime="$dir/pulse-runtime"
pulse_socket="$dir/pulse.sock"

stop_pid() {
  local pid=$1
  [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null || return 0
  kill "$pid" 2>/dev/null
  for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || return 0; sleep 0.1; done
  kill -9 "$pid" 2>/dev/null || true
}

start_pulse() {
  command -v pulseaudio >/dev/null || { echo "speechd.sh: pulseaudio is not installed" >&2; return 1; }
  mkdir -p "$pulse_runtime" "$dir/pulse-home" && chmod 700 "$pulse_runtime"
  # No default script, no session bus, no idle exit: a null sink and a socket, nothing else.
  HOME="$dir/pulse-home" XDG_RUNTIME_DIR="$pulse_runtime" XDG_CONFIG_HOME="$dir/pulse-home" \
    pulseaudio -n --daemonize=yes --use-pid-file=yes --exit-idle-time=-1 --realtime=no --high-priority=no \
      --log-target="file:$dir/log/pulseaudio.log" \
      --load="module-null-sink" --load="module-native-protocol-unix socket=$pulse_socket auth-anonymous=1" \
    || { echo "speechd.sh: pulseaudio did not start (see $dir/log/pulseaudio.log)" >&2; return 1; }
  for _ in $(seq 100); do [ -S "$pulse_socket" ] && return 0; sleep 0.1; done
  echo "speechd.sh: no PulseAudio socket at $pulse_socket" >&2
  return 1
}

stop() {
  [ -f "$pidfile" ] && stop_pid "$(cat "$pidfile" 2>/dev/null)"
  [ -f "$pulse_runtime/pulse/pid" ] && stop_pid "$(cat "$pulse_runtime/pulse/pid" 2>/dev/null)"
  rm -f "$pidfile" "$socket" "$pulse_runtime/pulse/pid"
}

start() {
  command -v speech-dispatcher >/dev/null || { echo "speechd.sh: speech-dispatcher is not installed" >&2; return 1; }
  stop
  mkdir -p "$dir/conf/modules" "$dir/log"
  # Load only espeak-ng, with its built-in settings: starting every installed module is slower.
  : >"$dir/conf/modules/espeak-ng.conf"
  local audio='AudioOutputMethod "alsa"
AudioALSADevice "null"'
  if [ "${SPEECHD_AUDIO:-alsa}" = pulse ]; then
    start_pulse || { stop; return 1; }
    audio='AudioOutputMethod "pulse"'
    export PULSE_SERVER="unix:$pulse_socket"
  fi
  cat >"$dir/conf/speechd.conf" <<CONF
LogLevel ${SPEECHD_LOG_LEVEL:-3}
LogDir "$dir/log"
Timeout 0
AddModule "espeak-ng" "sd_espeak-ng" "espeak-ng.conf"
DefaultModule espeak-ng
DefaultLanguage "en"
$audio
CONF
  speech-dispatcher -d -C "$dir/conf" -c unix_socket -S "$socket" -P "$pidfile" >"$dir/log/stdout" 2>&1 \
    || { echo "speechd.sh: speech-dispatcher did not start (see $dir/log)" >&2; stop; return 1; }

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
