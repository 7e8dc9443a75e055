#!/usr/bin/env bash
# Runs a cross-built test program under Wine, on Qt's Windows platform and with QtTest's output
# on stderr. WINEPREFIX and DISPLAY come from scripts/windows.sh. Wine passes a WINEQT_...
# variable on as QT_..., and hides the Unix QT_... ones.
export WINEDEBUG=-all WINEQT_FORCE_STDERR_LOGGING=1 WINEQT_QPA_PLATFORM=windows
exec wine "$@"
