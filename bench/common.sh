# Sourced by the benchmarks: starts and stops the saver under Wine and measures its CPU.
# Expects WINEPREFIX to be set and scripts/wine-env sourced.

settings_key='HKCU\Software\VB and VBA Program Settings\Sovelin\ScreenSaverSettings'
set_value() { wine reg add "$settings_key" /v "$1" /d "$2" /f >/dev/null; }

# Clock ticks of user and system time of a process.
ticks() { awk '{print $14 + $15}' "/proc/$1/stat"; }

# The wineserver of this prefix (other prefixes may have their own): it works in a folder
# named after the prefix's device and inode.
server_pid() {
  local folder pid
  folder=$(printf 'server-%x-%x' "$(stat -c %d "$WINEPREFIX")" "$(stat -c %i "$WINEPREFIX")")
  for pid in $(pgrep wineserver); do
    case "$(readlink "/proc/$pid/cwd" 2>/dev/null)" in */"$folder") echo "$pid"; return ;; esac
  done
}

# The running saver of this prefix: other builds on the machine may run savers of their own.
saver_pid() {
  local pid
  for pid in $(pgrep -f 'V30.scr /s'); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return
    fi
  done
}

# Starts the saver in folder $1 (build/win32 or build/win64), waits until its verse window shows, and
# prints the seconds that took.
start_saver() {
  local begin
  begin=$(date +%s.%N)
  wine "$1/Sovelin V30.scr" /s >/dev/null 2>&1 &
  for _ in $(seq 400); do
    xwininfo -name test >/dev/null 2>&1 && break
    sleep 0.05
  done
  awk -v a="$(date +%s.%N)" -v b="$begin" 'BEGIN {printf "%.1f", a - b}'
}

stop_saver() {
  wineserver -k || true
  sleep 1
  wineserver -p 2>/dev/null || true
}

# CPU of the saver and the wineserver over $1 seconds of steady running, after 3 s of
# start-up, as a percentage of one core: prints "saver server total".
cpu_percent() {
  local seconds="$1" saver server s0 w0 t0 s1 w1 t1
  sleep 3
  saver=$(saver_pid)
  server=$(server_pid)
  [ -n "$saver" ] && [ -n "$server" ] || { echo "saver or wineserver not found" >&2; return 1; }
  s0=$(ticks "$saver"); w0=$(ticks "$server"); t0=$(date +%s.%N)
  sleep "$seconds"
  s1=$(ticks "$saver"); w1=$(ticks "$server"); t1=$(date +%s.%N)
  awk -v s="$((s1 - s0))" -v w="$((w1 - w0))" -v hz="$(getconf CLK_TCK)" -v t0="$t0" -v t1="$t1" \
    'BEGIN {f = 100 / hz / (t1 - t0); printf "%.2f %.2f %.2f", s * f, w * f, (s + w) * f}'
}
