#!/usr/bin/env bash
# Measures what the running saver costs, side by side with a bare Win32 window that does the
# least a full-screen clock must do (bench/baseline_window.cpp), under Xvfb + Wine at
# 1920 x 1080. Prints figures; it is not a test and is not run by scripts/test.
#
#   bench/measure_saver.sh          runs, in order: the baseline, the saver with defaults, the
#                                   saver with every effect on, the baseline again (the two
#                                   baseline runs show the noise of the machine)
#   bench/measure_saver.sh --soak   only the saver with every effect on, for SOAK seconds
#                                   (600), its resident memory sampled every 10 s
#
# Environment: DURATION seconds sampled per run (30); SETTLE seconds waited after a start
# before sampling (3); RUNS the runs to make, from baseline, defaults, effects (default
# "baseline defaults effects baseline"); SOAK seconds of the soak (setting it implies --soak);
# BENCH_DISPLAY the private X display (97); WINEPREFIX (/tmp/wine-bench); BENCH_BUILD_DIR
# (build/win-bench).
#
# CPU is utime + stime from /proc/<pid>/stat of the program's process and of the prefix's
# wineserver, taken at the start and the end of the sampled span. Peak memory is the
# program's VmHWM. The exit status is 0 when every run was measured, whatever the figures.
set -euo pipefail
cd "$(dirname "$0")/.."

duration="${DURATION:-30}"
settle="${SETTLE:-3}"
runs="${RUNS:-baseline defaults effects baseline}"
soak="${SOAK:-}"
if [[ ${1:-} == --soak ]]; then
  soak="${soak:-600}"
elif [[ -n ${1:-} ]]; then
  echo "usage: bench/measure_saver.sh [--soak]" >&2
  exit 2
fi
display="${BENCH_DISPLAY:-97}"
build_dir="${BENCH_BUILD_DIR:-build/win-bench}"
export WINEPREFIX="${WINEPREFIX:-/tmp/wine-bench}"

ticks_per_second=$(getconf CLK_TCK)
baseline_exe="$build_dir/baseline_window.exe"
saver_exe="$build_dir/quillbay.scr"

# Targets of the running saver, against the baseline.
cpu_ratio_defaults_max=1.10
cpu_ratio_effects_max=1.50
rss_extra_max_mb=8
soak_band_mb=1
soak_warmup_seconds=60
soak_interval_seconds=10

fail() {
  echo "measure_saver: $*" >&2
  exit 1
}

# --- build ---------------------------------------------------------------------------------

build() {
  local targets=(--target baseline_window)
  if [[ -n $soak || $runs == *defaults* || $runs == *effects* ]]; then
    targets+=(--target quillbay)
  fi
  if [[ ! -f $build_dir/build.ninja ]]; then
    cmake --preset windows -B "$build_dir" >"$build_dir.configure.log" 2>&1 || {
      cat "$build_dir.configure.log" >&2
      fail "configuring $build_dir failed"
    }
  fi
  cmake --build "$build_dir" -j 2 "${targets[@]}" >"$build_dir.build.log" 2>&1 || {
    tail -40 "$build_dir.build.log" >&2
    fail "building ${targets[*]} in $build_dir failed (log: $build_dir.build.log)"
  }
}

# --- Wine and X ----------------------------------------------------------------------------

program_pid=
wineserver_pid=

cleanup() {
  if [[ -n $program_pid ]]; then
    kill -9 "$program_pid" 2>/dev/null || true
    wait "$program_pid" 2>/dev/null || true
  fi
  quillbay_wine_stop
  quillbay_xvfb_stop "$display"
}

start_wine() {
  source scripts/wine-env
  quillbay_wine_prefix
  quillbay_xvfb_start "$display" || fail "no X server on :$display"
  trap cleanup EXIT
  # A wineserver that stays up between the runs: otherwise each run would pay for the start
  # of the server and the Wine system processes inside the span it measures.
  wineserver -p
  wine reg add 'HKCU\Software\Quillbay' /f >/dev/null 2>&1
  wineserver_pid=$(find_wineserver) || fail "no wineserver found for $WINEPREFIX"
}

# The wineserver of this prefix, told apart from other people's by its working folder, which
# is named after the prefix's device and inode (its parent folder varies with the Wine build).
find_wineserver() {
  local device inode server_dir pid
  read -r device inode < <(stat -c '%d %i' "$WINEPREFIX")
  server_dir=$(printf 'server-%x-%x' "$device" "$inode")
  for pid in $(pgrep wineserver); do
    if [[ $(readlink "/proc/$pid/cwd" 2>/dev/null) == */"$server_dir" ]]; then
      echo "$pid"
      return 0
    fi
  done
  return 1
}

write_settings() {
  local run=$1
  wine reg delete 'HKCU\Software\Quillbay' /f >/dev/null 2>&1 || true
  wine reg add 'HKCU\Software\Quillbay' /f >/dev/null 2>&1
  [[ $run == effects ]] || return 0
  local entry section name value
  for entry in \
    Config/WriteScreenMaru=1 Config/WriteUserName=1 'Config/UserName=Quillbay bench' \
    Config/Move=1 Config/ChangeVisible=1 Config/VisibleChangeTime=0 Config/TimeFormat=2 \
    Config/Timer2Interval=1 Config/BackMultiColor0=255 Config/BackMultiColor1=65280 \
    Config/BackMultiColor2=16711680 Aram/AramTime=1 Aram/TimeChangeWindowColor=1; do
    section=${entry%%/*}
    name=${entry#*/}
    value=${name#*=}
    name=${name%%=*}
    wine reg add "HKCU\\Software\\Quillbay\\$section" /v "$name" /t REG_SZ /d "$value" /f \
      >/dev/null 2>&1 || fail "could not write $section\\$name"
  done
}

# --- /proc readings ------------------------------------------------------------------------

# Prints "state cpu_ticks" of a process (state Z or X: it has ended).
process_ticks() {
  local stat fields
  stat=$(<"/proc/$1/stat") || return 1
  read -r -a fields <<<"${stat##*) }"
  echo "${fields[0]} $((fields[11] + fields[12]))"
}

# Prints a field of /proc/<pid>/status in kB (VmRSS, VmHWM).
memory_kb() {
  awk -v key="$2:" '$1 == key { print $2 }' "/proc/$1/status"
}

running() {
  local state
  state=$(process_ticks "$1" 2>/dev/null) || return 1
  [[ ${state%% *} != [ZX] ]]
}

# The PID of the running program: the process `wine` started execs into it, so it is usually
# that one; otherwise the process of that name that runs in this prefix. Wine names the process
# after the executable (cut to 15 characters, as Linux does).
find_program() {
  local launched=$1 name=$2 pid
  if [[ $(cat "/proc/$launched/comm" 2>/dev/null) == "$name" ]]; then
    echo "$launched"
    return 0
  fi
  for pid in $(pgrep -x "$name"); do
    if tr '\0' '\n' <"/proc/$pid/environ" 2>/dev/null | grep -qx "WINEPREFIX=$WINEPREFIX"; then
      echo "$pid"
      return 0
    fi
  done
  return 1
}

# Starts an executable under Wine with the settings of a run and sets program_pid.
start_program() {
  local run=$1 exe args=()
  if [[ $run == baseline ]]; then
    exe=$baseline_exe
  else
    exe=$saver_exe
    args=(/s)
  fi
  write_settings "$run"
  wine "$exe" "${args[@]}" >/dev/null 2>&1 &
  program_pid=$!
  sleep "$settle"
  local name found
  name=$(basename "$exe")
  found=$(find_program "$program_pid" "${name:0:15}") ||
    fail "$run: $name ended before the measurement began"
  program_pid=$found
}

stop_program() {
  kill "$program_pid" 2>/dev/null || true
  local tries
  for ((tries = 0; tries < 50; tries++)); do
    running "$program_pid" || break
    sleep 0.1
  done
  kill -9 "$program_pid" 2>/dev/null || true
  wait "$program_pid" 2>/dev/null || true
  program_pid=
}

# --- the comparison ------------------------------------------------------------------------

results=()  # "run program_ticks server_ticks seconds hwm_kb rss_start_kb rss_end_kb"

measure() {
  local run=$1
  start_program "$run"
  local program_start server_start rss_start started ended
  rss_start=$(memory_kb "$program_pid" VmRSS)
  program_start=$(process_ticks "$program_pid")
  server_start=$(process_ticks "$wineserver_pid")
  started=$(date +%s.%N)
  local second
  for ((second = 0; second < duration; second++)); do
    sleep 1
    running "$program_pid" ||
      fail "$run: the program ended after $second s of sampling (was the pointer moved?)"
  done
  local program_end server_end rss_end hwm
  program_end=$(process_ticks "$program_pid")
  server_end=$(process_ticks "$wineserver_pid")
  ended=$(date +%s.%N)
  rss_end=$(memory_kb "$program_pid" VmRSS)
  hwm=$(memory_kb "$program_pid" VmHWM)
  stop_program
  local program_ticks server_ticks seconds
  program_ticks=$((${program_end#* } - ${program_start#* }))
  server_ticks=$((${server_end#* } - ${server_start#* }))
  seconds=$(awk -v a="$started" -v b="$ended" 'BEGIN { printf "%.3f", b - a }')
  results+=("$run $program_ticks $server_ticks $seconds $hwm $rss_start $rss_end")
  echo "  measured $run"
}

report() {
  printf '%s\n' "${results[@]}" | awk -v hz="$ticks_per_second" \
    -v cpu_defaults_max="$cpu_ratio_defaults_max" -v cpu_effects_max="$cpu_ratio_effects_max" \
    -v rss_extra_max="$rss_extra_max_mb" '
    {
      run[NR] = $1; cpu_program[NR] = $2 / hz; cpu_server[NR] = $3 / hz; seconds[NR] = $4
      hwm[NR] = $5 / 1024; rss_start[NR] = $6 / 1024; rss_end[NR] = $7 / 1024
      total[NR] = cpu_program[NR] + cpu_server[NR]
      if ($1 == "baseline") { baselines++; base_cpu += total[NR]; base_hwm += hwm[NR] }
    }
    END {
      if (baselines == 0) { print "no baseline run: no ratios"; exit }
      base_cpu /= baselines; base_hwm /= baselines
      printf "%-9s %8s %8s %8s %7s %9s %9s %9s %8s %9s\n", "run", "cpu prog", "cpu wsrv", \
        "cpu sum", "% core", "peak RSS", "RSS start", "RSS end", "cpu/base", "RSS-base"
      printf "%-9s %8s %8s %8s %7s %9s %9s %9s %8s %9s\n", "", "s", "s", "s", "", "MB", "MB", \
        "MB", "ratio", "MB"
      for (i = 1; i <= NR; i++) {
        ratio[i] = base_cpu > 0 ? total[i] / base_cpu : 0
        printf "%-9s %8.2f %8.2f %8.2f %6.1f%% %9.1f %9.1f %9.1f %8.2f %+9.1f\n", run[i], \
          cpu_program[i], cpu_server[i], total[i], 100 * total[i] / seconds[i], hwm[i], \
          rss_start[i], rss_end[i], ratio[i], hwm[i] - base_hwm
      }
      printf "\nbaseline: mean of %d run(s), %.2f s CPU, %.1f MB peak RSS\n", baselines, \
        base_cpu, base_hwm
      if (baselines > 1) {
        low = high = -1
        for (i = 1; i <= NR; i++) if (run[i] == "baseline") {
          if (low < 0 || total[i] < low) low = total[i]
          if (high < 0 || total[i] > high) high = total[i]
        }
        printf "noise: the baseline runs differ by %.1f%% in CPU (%.2f s to %.2f s)\n", \
          (base_cpu > 0 ? 100 * (high - low) / base_cpu : 0), low, high
      }
      for (i = 1; i <= NR; i++) {
        if (run[i] != "baseline" && !header++)
          printf "\n%-44s %10s %10s  %s\n", "target", "measured", "limit", "result"
        if (run[i] == "defaults") limit = cpu_defaults_max
        else if (run[i] == "effects") limit = cpu_effects_max
        else continue
        printf "%-44s %9.2fx %9.2fx  %s\n", run[i] " CPU (program + wineserver) / baseline", \
          ratio[i], limit, (ratio[i] <= limit ? "PASS" : "FAIL")
        extra = hwm[i] - base_hwm
        printf "%-44s %8.1fMB %8.1fMB  %s\n", run[i] " peak RSS - baseline peak RSS", extra, \
          rss_extra_max, (extra <= rss_extra_max ? "PASS" : "FAIL")
      }
    }'
}

# --- the soak ------------------------------------------------------------------------------

soak_run() {
  start_program effects
  local samples=() elapsed=0 next_sample=0 program_start program_end
  program_start=$(process_ticks "$program_pid")
  echo "soak: every effect on for $soak s, VmRSS every $soak_interval_seconds s"
  while ((elapsed <= soak)); do
    if ((elapsed == next_sample)); then
      samples+=("$elapsed $(memory_kb "$program_pid" VmRSS)")
      next_sample=$((next_sample + soak_interval_seconds))
    fi
    ((elapsed == soak)) && break
    sleep 1
    elapsed=$((elapsed + 1))
    running "$program_pid" || fail "soak: the program ended after $elapsed s"
  done
  program_end=$(process_ticks "$program_pid")
  local hwm
  hwm=$(memory_kb "$program_pid" VmHWM)
  stop_program
  printf '%s\n' "${samples[@]}" | awk -v warmup="$soak_warmup_seconds" -v band="$soak_band_mb" \
    -v hwm="$hwm" -v cpu="$((${program_end#* } - ${program_start#* }))" \
    -v hz="$ticks_per_second" -v seconds="$soak" '
    {
      t[NR] = $1; mb[NR] = $2 / 1024
      if (NR == 1 || mb[NR] < low) low = mb[NR]
      if (NR == 1 || mb[NR] > high) high = mb[NR]
      if (reference == "" && $1 >= warmup) reference = mb[NR]
    }
    END {
      line = "VmRSS MB by second:"
      for (i = 1; i <= NR; i++) line = line sprintf(" %d:%.1f", t[i], mb[i])
      print line
      printf "first %.1f MB, last %.1f MB, min %.1f MB, max %.1f MB, peak (VmHWM) %.1f MB\n", \
        mb[1], mb[NR], low, high, hwm / 1024
      printf "program CPU %.2f s in %d s (%.1f%% of one core)\n", cpu / hz, seconds, \
        100 * cpu / hz / seconds
      if (reference == "") { print "soak too short to judge flatness"; exit }
      worst = 0
      for (i = 1; i <= NR; i++) if (t[i] >= warmup) {
        drift = mb[i] - reference
        if (drift < 0 ? -drift > worst : drift > worst) worst = drift < 0 ? -drift : drift
      }
      printf "%-44s %8.1fMB %8.1fMB  %s\n", "VmRSS drift (either way) after " warmup " s", worst, \
        band, (worst <= band ? "PASS" : "FAIL")
    }'
}

# --- main ----------------------------------------------------------------------------------

build
start_wine
echo "machine load before: $(cut -d' ' -f1-3 /proc/loadavg)"
if [[ -n $soak ]]; then
  soak_run
else
  for run in $runs; do
    case $run in
      baseline | defaults | effects) measure "$run" ;;
      *) fail "unknown run '$run' (baseline, defaults, effects)" ;;
    esac
  done
  echo "machine load after: $(cut -d' ' -f1-3 /proc/loadavg)"
  echo
  echo "Wine + Xvfb at 1920x1080, $duration s per run after $settle s to settle"
  report
fi
