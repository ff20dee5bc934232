# Sourced by the scripts that run QUAV under Wine. Sets up a Wine prefix of
# our own, a virtual display when needed, and a warm wineserver.

quav_wine_env() {  # prefix
  export WINEPREFIX="$1"
  export WINEARCH=win64
  export WINEDEBUG=-all
  # Code page 936 for the ANSI functions, and Chinese UI fonts.
  export LC_ALL=zh_CN.UTF-8
  export WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"
}

# Creates the prefix when missing and marks it as ours. A prefix of ours in
# which Wine can no longer start programs (made before Wine's 32-bit half was
# installed, for one) is made anew.
quav_prefix_init() {
  if [[ -f $WINEPREFIX/.quav-prefix ]]; then
    if wine cmd /c exit 0 >/dev/null 2>&1; then return 0; fi
    echo "Wine cannot start programs in $WINEPREFIX any more (its installation changed); making it anew" >&2
    wineserver -k >/dev/null 2>&1 || true
    rm -rf "$WINEPREFIX"
  fi
  if [[ -e $WINEPREFIX ]]; then
    echo "error: $WINEPREFIX exists but was not created by QUAV; not touching it" >&2
    return 1
  fi
  mkdir -p "$WINEPREFIX"
  wineboot -i >/dev/null 2>&1 || true
  wineserver -w
  touch "$WINEPREFIX/.quav-prefix"
}

# Starts Xvfb on a free display and exports DISPLAY. Sets QUAV_XVFB_PID.
quav_start_xvfb() {
  local n
  for n in $(seq 90 130); do
    if [[ ! -e /tmp/.X$n-lock && ! -e /tmp/.X11-unix/X$n ]]; then
      Xvfb ":$n" -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
      QUAV_XVFB_PID=$!
      export DISPLAY=":$n"
      local i
      for i in $(seq 1 50); do
        [[ -e /tmp/.X11-unix/X$n ]] && return 0
        sleep 0.1
      done
      echo "error: Xvfb did not start on :$n" >&2
      return 1
    fi
  done
  echo "error: no free X display" >&2
  return 1
}

quav_stop_xvfb() {
  if [[ -n ${QUAV_XVFB_PID:-} ]]; then kill "$QUAV_XVFB_PID" 2>/dev/null || true; fi
}

# A persistent wineserver makes each program start take a fraction of a second.
quav_wineserver_start() {
  (wineserver -p >/dev/null 2>&1 &)
  wine cmd /c exit >/dev/null 2>&1 || true
}

# Wine's Task Scheduler service, which Windows always runs. Right after the
# prefix is made it may answer "Service database locked": tried again.
quav_start_task_scheduler() {
  local i out
  for i in 1 2 3 4 5; do
    out=$(wine net start schedule 2>&1 || true)
    if [[ $out == *"already running"* || $out == *"started"* ]]; then return 0; fi
    sleep 1
  done
  echo "warning: Wine's Task Scheduler service did not start: $out" >&2
}

quav_wineserver_stop() {
  wineserver -k >/dev/null 2>&1 || true
}
