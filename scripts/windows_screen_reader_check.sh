#!/usr/bin/env bash
# Prints what Windows screen readers are told of prismark.exe: both windows' UI Automation trees,
# read as NVDA and Narrator read them. Run it by hand before closing work on what screen readers
# hear on Windows; CI cannot: its Wine 8 has no UI Automation client, and Debian 12's mingw-w64
# lacks the IUIAutomation headers. Debian 13 has both (Wine 10.0), so this check runs in a
# Debian 13 root of its own:
#   1. Made once with debootstrap into ~/.cache/prismark/debian13-screen-reader, with wine,
#      g++-mingw-w64-x86-64-posix, xvfb and xdotool from Debian's archive.
#   2. scripts/uia_tree.cpp, a small UI Automation client, is built there: it takes a window by
#      its title, calls IUIAutomation::ElementFromHandle and FindAll(TreeScope_Subtree,
#      TrueCondition), and prints each element's control type and name.
#   3. prismark.exe runs on a private Xvfb in a fresh Wine prefix. The client, started before it,
#      prints each element that gets the focus: the first, and one for each of eleven presses of
#      Tab, as a screen reader hears the keyboard's way through the main window.
#   4. xdotool types XYZ into part 1, "01 red" into its colour list, and presses "create name".
#   5. The client prints the main window's tree, then the result window's.
# Wine 10 passes names and control types on, not help texts or descriptions: what a screen
# reader must hear on Windows, it hears by name.
#   bash scripts/windows_screen_reader_check.sh [prismark.exe]   (default: build/windows's)
# Needs root, for debootstrap and chroot; asks for it through sudo.
set -euo pipefail
cd "$(dirname "$0")/.."
exe=$(realpath "${1:-build/windows/prismark.exe}")
[ -f "$exe" ] || { echo "No $exe: build it with scripts/windows.sh first" >&2; exit 1; }
[ "$(id -u)" -eq 0 ] || exec sudo bash "$0" "$exe"

root=${XDG_CACHE_HOME:-$HOME/.cache}/prismark/debian13-screen-reader
if [ ! -f "$root/.complete" ]; then
    if ! command -v debootstrap >/dev/null; then
        DEBIAN_FRONTEND=noninteractive apt-get update -qq
        DEBIAN_FRONTEND=noninteractive apt-get install -y -qq --no-install-recommends debootstrap
    fi
    rm -rf --one-file-system "$root"
    echo "Making a Debian 13 root in $root (a few minutes, once)" >&2
    debootstrap --variant=minbase trixie "$root" http://deb.debian.org/debian >&2
    chroot "$root" env DEBIAN_FRONTEND=noninteractive apt-get install -y -qq \
        --no-install-recommends wine wine64 g++-mingw-w64-x86-64-posix xvfb xauth xdotool \
        fonts-dejavu-core >&2
    touch "$root/.complete"
fi

work=$root/opt/check
rm -rf --one-file-system "$work"
mkdir -p "$work"
cp "$exe" "$work/prismark.exe"
cp scripts/uia_tree.cpp "$work/"
# Set before the first mount, so that a failing second mount leaves nothing behind. Each mount
# is undone only where it is still there.
release() {
    if mountpoint -q "$root/dev"; then umount -R "$root/dev" 2>/dev/null || umount -Rl "$root/dev"; fi
    if mountpoint -q "$root/proc"; then umount "$root/proc" 2>/dev/null || umount -l "$root/proc"; fi
}
trap release EXIT
mount -t proc proc "$root/proc"
# A slave of the host's /dev: on a host whose mounts are shared, unmounting it must never
# propagate back and unmount the host's own /dev/pts or /dev/shm.
mount --rbind /dev "$root/dev"
mount --make-rslave "$root/dev"

chroot "$root" env -i HOME=/root PATH=/usr/bin:/bin LANG=C.UTF-8 WINEPREFIX=/opt/check/prefix \
    WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=" bash -euo pipefail -s <<'CHECK'
cd /opt/check
x86_64-w64-mingw32-g++-posix -O1 -municode -static -o uia_tree.exe uia_tree.cpp \
    -lole32 -loleaut32 -luuid
wine --version
Xvfb :71 -noreset -nolisten tcp -screen 0 1280x1024x24 >/dev/null 2>&1 &
trap 'wineserver -k; wineserver -w; kill %1; wait' EXIT
export DISPLAY=:71
wineboot -i >/dev/null 2>&1
wine uia_tree.exe --focus 25 >focus.txt &
watcher=$!
sleep 3
wine prismark.exe >/dev/null 2>&1 &
main=$(xdotool search --sync --onlyvisible --name '^Soldier of Fortune 2 Double Helix - Prismark$' |
       head -n 1)
sleep 2
# Points in the main window's client area, 612 by 426 pixels, wherever Wine put its frame.
click() {
    eval "$(xdotool getwindowgeometry --shell "$main")"
    local border=$(((WIDTH - 612) / 2))
    xdotool mousemove --window "$main" $(($1 + border)) $(($2 + HEIGHT - 426 - border)) click 1
    sleep 0.3
}
# The keyboard's way: the first focus, then eleven Tab stops. Without a window manager the focus
# follows the pointer, which rests on the legend, away from every control.
click 60 200
for _ in $(seq 11); do
    xdotool key Tab
    sleep 0.7
done
wait $watcher
echo "== Focus, at first and after each Tab"
cat focus.txt
click 532 137 && xdotool type --delay 50 XYZ   # part 1's text
click 316 137 && xdotool key ctrl+a && xdotool type --delay 50 "01 red"
click 552 401                                   # create name
xdotool search --sync --onlyvisible --name '^Soldier of Fortune Double Helix - Prismark$' >/dev/null
sleep 2
for title in "Soldier of Fortune 2 Double Helix - Prismark" \
             "Soldier of Fortune Double Helix - Prismark"; do
    echo "== $title"
    wine uia_tree.exe "$title"
done
CHECK
