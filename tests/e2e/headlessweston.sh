# Sourced by the scripts that run the program on Wayland: start_weston
# starts Debian's Weston with its headless back end (no GPU, no input
# devices) on a socket in a runtime folder of its own, and exports what a
# Qt program needs to connect to it; stop_weston ends it.
#
# Usage: source headlessweston.sh; start_weston <folder for the runtime dir and the log>

start_weston() {
  export XDG_RUNTIME_DIR="$1/wayland-runtime"
  mkdir -p "$XDG_RUNTIME_DIR"
  chmod 700 "$XDG_RUNTIME_DIR"
  export WAYLAND_DISPLAY="lumolex-$$"
  weston --backend=headless-backend.so --socket="$WAYLAND_DISPLAY" --idle-time=0 --no-config \
         --width=1280 --height=1024 >"$1/weston.log" 2>&1 &
  weston_pid=$!
  local _
  for _ in $(seq 1 100); do
    [ -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ] && break
    kill -0 "$weston_pid" 2>/dev/null || break
    sleep 0.1
  done
  if [ ! -S "$XDG_RUNTIME_DIR/$WAYLAND_DISPLAY" ]; then
    echo "weston did not start:"; cat "$1/weston.log"
    return 1
  fi
  # Qt takes the Wayland plugin; nothing falls back to an X display.
  export QT_QPA_PLATFORM=wayland
  # The headless back end has no seat: Qt's text-input method would ask
  # the missing seat for its keyboard and crash, so none is loaded.
  export QT_IM_MODULE=none
  unset DISPLAY
}

stop_weston() {
  if [ -n "${weston_pid:-}" ]; then
    kill "$weston_pid" 2>/dev/null || true
    wait "$weston_pid" 2>/dev/null || true
    weston_pid=
  fi
}
