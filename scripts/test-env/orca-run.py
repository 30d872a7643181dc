#!/usr/bin/python3
# SPDX-License-Identifier: GPL-3.0-or-later
"""orca-run.py DEBUG_FILE: runs Debian's Orca screen reader for the end-to-end tests.

Like /usr/bin/orca, but under its own process name (/usr/bin/orca refuses to start while any
process named orca of the same user runs, and its --replace kills those of every session), with
every debug message (one "SPEECH OUTPUT" line per utterance) written to DEBUG_FILE. Settings come
from $HOME, which the caller makes private. Needs DISPLAY, the D-Bus session with the AT-SPI bus
and SPEECHD_ADDRESS of the caller."""

import sys

sys.path.insert(1, "/usr/lib/python3/dist-packages")

from orca import debug  # noqa: E402

debug.debugLevel = debug.LEVEL_ALL
debug.eventDebugLevel = debug.LEVEL_OFF
debug.debugFile = open(sys.argv[1], "w", buffering=1)

from orca import orca  # noqa: E402

manager = orca.getSettingsManager()
manager.activate(None, {})
sys.path.insert(0, manager.getPrefsDir())
sys.exit(orca.main())
