# Sourced by the scripts that run the real program in the background: waits
# for what it prints and for its end, polling every tenth of a second.

# await_line FILE TEXT PID TENTHS: until FILE holds a line with TEXT, the
# process PID has ended, or TENTHS tenths of a second have passed.
await_line() {
  local _
  for _ in $(seq 1 "$4"); do
    grep -q "$2" "$1" 2>/dev/null && return 0
    kill -0 "$3" 2>/dev/null || return 0
    sleep 0.1
  done
}

# await_end PID TENTHS: until the process PID has ended or TENTHS tenths of a
# second have passed.
await_end() {
  local _
  for _ in $(seq 1 "$2"); do
    kill -0 "$1" 2>/dev/null || return 0
    sleep 0.1
  done
}
