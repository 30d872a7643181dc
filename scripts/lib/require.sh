# SPDX-License-Identifier: GPL-3.0-or-later
# shellcheck shell=bash
# Sourced by the test scripts: the one rule for a check that cannot run on this machine. It is
# skipped (exit 77, which ctest reports as skipped), except under FERROLIN_REQUIRE_SERVICES=1
# (CI), where a missing tool is a failure.

# skip_or_fail WHO REASON
skip_or_fail() {
  echo "$1: $2" >&2
  [ "${FERROLIN_REQUIRE_SERVICES:-0}" = 1 ] && exit 1
  exit 77
}

# require WHO INSTALL_LISTS ITEM...: each ITEM is a command, an absolute path that must be
# executable, or python3:MODULE; skips (above) naming every one that is missing and the
# scripts/install-deps lists that provide them.
require() {
  local who=$1 lists=$2 item
  shift 2
  local missing=()
  for item in "$@"; do
    case $item in
      python3:*) /usr/bin/python3 -c "import ${item#python3:}" 2>/dev/null || missing+=("python3-${item#python3:}") ;;
      /*) [ -x "$item" ] || missing+=("$item") ;;
      *) command -v "$item" >/dev/null || missing+=("$item") ;;
    esac
  done
  [ ${#missing[@]} -eq 0 ] || skip_or_fail "$who" "missing ${missing[*]} (scripts/install-deps $lists)"
}
