#!/usr/bin/env bash
# SPDX-License-Identifier: GPL-3.0-or-later
# scripts/test-env/cups.sh start|stop STATE_DIR
# A private CUPS server with one cups-pdf queue "PDF" (the default), for the print tests.
# Everything it writes lives under STATE_DIR/cups: its own configuration, spool, logs and the
# PDFs. The machine's own CUPS (if any) and /etc/cups are left alone: cups-pdf only reads its
# settings from /etc/cups/cups-pdf.conf, so the daemon runs in a private mount namespace where
# that one file is replaced by ours.
# start prints the environment the clients need (CUPS_SERVER, FERROLIN_CUPS_PDF_DIR,
# FERROLIN_CUPS_URI) and exits non-zero when it cannot start.
set -uo pipefail

action=${1:-}
state=${2:-}
[ -n "$action" ] && [ -n "$state" ] || { echo "usage: $0 start|stop STATE_DIR" >&2; exit 2; }
dir="$state/cups"

fail() { echo "cups.sh: $*" >&2; stop_daemon; exit 1; }

stop_daemon() {
  local pid
  [ -f "$dir/cupsd.pid" ] || return 0
  pid=$(cat "$dir/cupsd.pid")
  if [ -n "$pid" ] && kill -0 "$pid" 2>/dev/null; then
    kill "$pid" 2>/dev/null
    for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
    kill -0 "$pid" 2>/dev/null && kill -9 "$pid" 2>/dev/null
  fi
  rm -f "$dir/cupsd.pid"
}

free_port() {
  local port
  for port in $(seq 16310 16400); do
    if ! (exec 3<>"/dev/tcp/127.0.0.1/$port") 2>/dev/null; then echo "$port"; return 0; fi
  done
  return 1
}

start() {
  [ "$(id -u)" -eq 0 ] || { echo "cups.sh: needs root (cups-pdf runs as root under cupsd)" >&2; exit 1; }
  local tool
  for tool in /usr/sbin/cupsd /usr/sbin/lpadmin /usr/bin/ipptool /usr/bin/lpstat unshare mount; do
    command -v "$tool" >/dev/null || { echo "cups.sh: $tool missing (scripts/install-deps print-test)" >&2; exit 1; }
  done
  [ -x /usr/lib/cups/backend/cups-pdf ] || { echo "cups.sh: printer-driver-cups-pdf is not installed" >&2; exit 1; }
  [ -f /etc/cups/cups-pdf.conf ] || { echo "cups.sh: /etc/cups/cups-pdf.conf missing" >&2; exit 1; }

  local port
  port=$(free_port) || { echo "cups.sh: no free port" >&2; exit 1; }
  mkdir -p "$dir"/{conf/ppd,conf/ssl,spool/tmp,cache,log,state,pdf,cups-pdf-spool}
  # The filters run as the lp user: they must be able to pass through the state folder above
  # ours, which mktemp creates for root alone.
  chmod a+x "$state"
  chmod 0755 "$dir" "$dir/pdf"
  chmod 1777 "$dir/spool/tmp"

  cat >"$dir/conf/cupsd.conf" <<CONF
LogLevel warn
Listen 127.0.0.1:$port
Browsing No
DefaultAuthType None
WebInterface No
<Location />
  Order allow,deny
  Allow all
</Location>
<Location /admin>
  Order allow,deny
  Allow all
</Location>
<Policy default>
  JobPrivateAccess all
  JobPrivateValues none
  SubscriptionPrivateAccess all
  SubscriptionPrivateValues none
  <Limit All>
    Order allow,deny
    Allow all
  </Limit>
</Policy>
CONF
  cat >"$dir/conf/cups-files.conf" <<CONF
SystemGroup root
ServerRoot $dir/conf
RequestRoot $dir/spool
TempDir $dir/spool/tmp
CacheDir $dir/cache
StateDir $dir/state
AccessLog $dir/log/access_log
ErrorLog $dir/log/error_log
PageLog $dir/log/page_log
CONF
  sed -e '/^[[:space:]]*Out[[:space:]]/d' -e '/^[[:space:]]*Spool[[:space:]]/d' /etc/cups/cups-pdf.conf >"$dir/cups-pdf.conf"
  printf 'Out %s\nSpool %s\n' "$dir/pdf" "$dir/cups-pdf-spool" >>"$dir/cups-pdf.conf"

  # cupsd runs in the foreground of its own session; unshare execs it, so $! is its pid.
  setsid unshare -m --propagation private sh -c '
    mount --bind "$1/cups-pdf.conf" /etc/cups/cups-pdf.conf || exit 1
    exec /usr/sbin/cupsd -f -c "$1/conf/cupsd.conf" -s "$1/conf/cups-files.conf"
  ' sh "$dir" </dev/null >"$dir/log/cupsd.out" 2>&1 &
  echo $! >"$dir/cupsd.pid"

  export CUPS_SERVER="127.0.0.1:$port"
  local ready=0
  for _ in $(seq 100); do
    kill -0 "$(cat "$dir/cupsd.pid")" 2>/dev/null || fail "cupsd did not start: $(cat "$dir/log/cupsd.out")"
    if lpstat -r 2>/dev/null | grep -q 'is running'; then ready=1; break; fi
    sleep 0.1
  done
  [ $ready -eq 1 ] || fail "cupsd does not answer: $(tail -5 "$dir/log/error_log" 2>/dev/null)"

  lpadmin -p PDF -E -v cups-pdf:/ -m lsb/usr/cups-pdf/CUPS-PDF_opt.ppd >"$dir/log/lpadmin.out" 2>&1 \
    || fail "lpadmin -p PDF failed: $(cat "$dir/log/lpadmin.out")"
  lpadmin -d PDF >>"$dir/log/lpadmin.out" 2>&1 || fail "lpadmin -d PDF failed: $(cat "$dir/log/lpadmin.out")"

  echo "CUPS_SERVER=127.0.0.1:$port"
  echo "FERROLIN_CUPS_URI=ipp://127.0.0.1:$port/printers/PDF"
  echo "FERROLIN_CUPS_PDF_DIR=$dir/pdf"
}

case "$action" in
  start) start ;;
  stop) stop_daemon; rm -rf "$dir" ;;
  *) echo "usage: $0 start|stop STATE_DIR" >&2; exit 2 ;;
esac
