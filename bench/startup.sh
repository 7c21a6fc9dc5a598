#!/usr/bin/env bash
# Start-up time and peak memory of orvane beside a bare Qt 6 program that shows one empty QWidget,
# measured in the same run: each is started RUNS times (default 30), alternately, after two warm-up
# starts, with ORVANE_QUIT_WHEN_SHOWN=1 so that it ends once its first window has been painted. The
# time is the whole process, from exec to exit; the memory is its peak resident set (GNU time's
# maximum RSS). Prints the median and the minimum of each and the ratios of the medians.
#
#   bench/startup.sh            # offscreen platform (QT_QPA_PLATFORM=offscreen), 30 runs
#   bench/startup.sh 100        # 100 runs
#   bench/startup.sh 30 xcb     # on a virtual X display (xvfb-run, Debian package xvfb)
#
# Uses the release build with benchmarks (preset bench), building it first.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-30}
platform=${2:-offscreen}

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
orvane=build/bench/src/shell/orvane
bare=build/bench/bench/orvane_bare_window

if [ "$platform" = xcb ] && [ -z "${DISPLAY:-}" ]; then
    exec xvfb-run -a -s "-screen 0 1280x1024x24" "$0" "$runs" xcb
fi
export QT_QPA_PLATFORM=$platform ORVANE_QUIT_WHEN_SHOWN=1

out=$(mktemp -d "${TMPDIR:-/tmp}/orvane-startup.XXXXXX")
trap 'rm -rf "$out"' EXIT

# One start: appends "microseconds kilobytes" to $out/NAME.
measure() {
    local name=$1 t0 t1
    shift
    t0=$(date +%s%N)
    /usr/bin/time -f '%M' -o "$out/rss" "$@" >/dev/null 2>"$out/stderr" || {
        echo "$* failed:" >&2
        cat "$out/stderr" >&2
        exit 1
    }
    t1=$(date +%s%N)
    echo "$(( (t1 - t0) / 1000 )) $(cat "$out/rss")" >>"$out/$name"
}

for _ in 1 2; do measure warm "$orvane"; measure warm "$bare"; measure warm "$bare" --text; done
for ((i = 0; i < runs; i++)); do
    measure orvane "$orvane"
    measure bare "$bare"
    measure text "$bare" --text
done

# median and minimum of column $2 of file $1
stat() { sort -n -k"$2" "$1" | awk -v c="$2" '{v[NR]=$c} END {m = NR % 2 ? v[(NR+1)/2] : (v[NR/2]+v[NR/2+1])/2; printf "%s %s\n", m, v[1]}'; }
read -r ot otmin < <(stat "$out/orvane" 1)
read -r bt btmin < <(stat "$out/bare" 1)
read -r om ommin < <(stat "$out/orvane" 2)
read -r bm bmmin < <(stat "$out/bare" 2)
read -r tt ttmin < <(stat "$out/text" 1)
read -r tm tmmin < <(stat "$out/text" 2)

awk -v runs="$runs" -v platform="$platform" -v ot="$ot" -v otmin="$otmin" -v bt="$bt" -v btmin="$btmin" \
    -v om="$om" -v bm="$bm" -v tt="$tt" -v ttmin="$ttmin" -v tm="$tm" 'BEGIN {
    printf "start-up to the first window painted, %d runs each, QT_QPA_PLATFORM=%s\n", runs, platform
    printf "  %-28s %9s %9s %12s\n", "", "median", "minimum", "peak RSS"
    printf "  %-28s %7.1f ms %6.1f ms %9.1f MiB\n", "orvane (cover window)", ot/1000, otmin/1000, om/1024
    printf "  %-28s %7.1f ms %6.1f ms %9.1f MiB\n", "bare Qt (one empty QWidget)", bt/1000, btmin/1000, bm/1024
    printf "  %-28s %7.1f ms %6.1f ms %9.1f MiB\n", "bare Qt, one Chinese label", tt/1000, ttmin/1000, tm/1024
    printf "  ratio orvane / bare: start-up %.2f, peak memory %.2f (budget 1.3 each)\n", ot/bt, om/bm
    printf "  ratio orvane / one Chinese label: start-up %.2f, peak memory %.2f\n", ot/tt, om/tm
}'
