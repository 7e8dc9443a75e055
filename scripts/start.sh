#!/usr/bin/env bash
# Installs what is missing, builds Prismark and starts it.
set -euo pipefail
cd "$(dirname "$0")/.."

bash scripts/deps.sh run
cmake --preset release >/dev/null
cmake --build --preset release --target prismark

if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ] && [ -z "${QT_QPA_PLATFORM:-}" ]; then
    echo "Prismark is built (build/release/prismark) but cannot start: it needs a desktop to" >&2
    echo "show its windows, and there is none here (neither DISPLAY nor WAYLAND_DISPLAY is set)." >&2
    echo "Run this command again from a terminal inside your desktop session." >&2
    exit 1
fi
exec build/release/prismark
