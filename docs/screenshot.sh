#!/usr/bin/env bash
# Regenerates the gallery's screenshot: runs the gallery in a virtual X display (Xvfb), waits for
# its window (xwininfo) and captures it with ImageMagick.
#
#   docs/screenshot.sh [OUTPUT [PAGE]]   (defaults: docs/gallery.png, the page "meter")
#
# PAGE is a page of the gallery's window, by its short name (canvas, numeric, displays, grids, meter,
# calendar, replist)
# or its tab's caption.
#
# Installs xvfb, x11-utils and imagemagick first when they are missing (as root). These are needed for the
# picture only, not to build or run Gadrix.
set -euo pipefail
cd "$(dirname "$0")/.."
OUT=${1:-docs/gallery.png}
PAGE=${2:-meter}
JOBS=${JOBS:-$(nproc)}
SCREEN=1280x800x24
WINDOW="Gadrix gallery"

TOOLS=(xvfb x11-utils imagemagick)
missing=()
for p in "${TOOLS[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  if [ "$(id -u)" -ne 0 ]; then
    echo "Missing Debian packages: ${missing[*]} (install them as root and try again)" >&2
    exit 1
  fi
  export DEBIAN_FRONTEND=noninteractive
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi

# The same build as the demo's.
cmake -S . -B build/release -G Ninja -DCMAKE_BUILD_TYPE=Release -DGADRIX_BUILD_TESTS=OFF \
      -DGADRIX_BUILD_BENCH=OFF >/dev/null
cmake --build build/release -j "$JOBS" --target gallery

# A display number nobody uses.
display=99
while [ -e /tmp/.X11-unix/X$display ] || [ -e /tmp/.X$display-lock ]; do display=$((display + 1)); done

xvfb_pid=
gallery_pid=
stop() {
  [ -n "$gallery_pid" ] && kill "$gallery_pid" 2>/dev/null && wait "$gallery_pid" 2>/dev/null
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null && wait "$xvfb_pid" 2>/dev/null
  true
}
trap stop EXIT

Xvfb :$display -screen 0 $SCREEN -nolisten tcp >/dev/null 2>&1 &
xvfb_pid=$!
for _ in $(seq 50); do [ -e /tmp/.X11-unix/X$display ] && break; sleep 0.1; done
[ -e /tmp/.X11-unix/X$display ] || { echo "Xvfb did not start" >&2; exit 1; }

DISPLAY=:$display build/release/gallery --page "$PAGE" >/dev/null &
gallery_pid=$!
for _ in $(seq 100); do
  DISPLAY=:$display xwininfo -name "$WINDOW" >/dev/null 2>&1 && break
  sleep 0.1
done
DISPLAY=:$display xwininfo -name "$WINDOW" >/dev/null || { echo "The gallery opened no window" >&2; exit 1; }
sleep 1.5  # the first paint, and a few ticks of the page's timers
# Without time stamps, so that an unchanged picture leaves an unchanged file (a page with a clock
# changes it anyway).
DISPLAY=:$display import -window "$WINDOW" -define png:exclude-chunks=date,time "$OUT"
echo "Screenshot written to $OUT"
