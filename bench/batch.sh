#!/usr/bin/env bash
# Rows per second and peak memory of 'orvane batch' over generated tables of ROWS rows (default
# 10000 and 100000), each run RUNS times (default 3): the median wall time of the whole process, its
# CPU time (user + system: the batch runs on one core, so rows per CPU second is its speed on one
# core whatever else the machine is doing), and GNU time's maximum resident set. The tables cycle
# through eight safety valve cases (compressed air and steam, liquefied gas in fire with and without
# insulation, a typed capacity, a notice, and a conical seat refused for its blank half-cone angle),
# written once as UTF-8 and once as GB18030.
#
#   bench/batch.sh                    # 10000 and 100000 rows
#   bench/batch.sh 3 1000 1000000     # three runs each of 1000 and 1000000 rows
#
# Uses the release build with benchmarks (preset bench), building it first.
set -euo pipefail
cd "$(dirname "$0")/.."
runs=${1:-3}
shift || true
sizes=("$@")
[ ${#sizes[@]} -eq 0 ] && sizes=(10000 100000)

cmake --preset bench >/dev/null
cmake --build --preset bench >/dev/null
orvane=build/bench/src/shell/orvane

out=$(mktemp -d "${TMPDIR:-/tmp}/orvane-batch.XXXXXX")
trap 'rm -rf "$out"' EXIT

header='valve_type,medium,relief_case,vessel_shape,location,working_pressure_MPa,back_pressure_abs_MPa,design_temperature_C,inlet_inner_diameter_mm,inlet_velocity_m_s,vessel_outer_diameter_mm,vessel_length_mm,wetted_height_mm,insulation_thickness_mm,insulation_conductivity_kJ_m_h_C,relief_temperature_C,seal_half_cone_angle_deg,gas_density_kg_m3,relief_capacity_kg_h'
cases=(
    '全 启 式,空气,压缩气或蒸气,,,0.8,0.1,50,80,15,,,,,,,,,'
    '全 启 式,空气,压缩气或蒸气,,,1.6,0.1,50,80,15,,,,,,,,,'
    '平面微启式,氮气,压缩气或蒸气,,,2.5,0.1,50,80,15,,,,,,,,,'
    '全 启 式,水蒸气,压缩气或蒸气,,,1.0,0.1,50,80,15,,,,,,,,6.5,'
    '全 启 式,液氨,无保温液化气,椭封卧式,地面上无喷淋,,,,,,2000,6000,,,,,,,'
    '全 启 式,丁烷,有保温液化气,立式容器,,,,,,,1600,5000,1200,100,0.2,40,,,'
    '锥面微启式,空气,压缩气或蒸气,,,0.8,0.1,50,80,15,,,,,,,,,'
    '全 启 式,空气,压缩气或蒸气,,,0.8,0.1,50,80,15,,,,,,,,,1500'
)

median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] }'; }

for rows in "${sizes[@]}"; do
    table=$out/table-$rows.csv
    {
        echo "$header"
        for ((i = 0; i < rows; i++)); do echo "${cases[i % ${#cases[@]}]}"; done
    } >"$table"
    iconv -f UTF-8 -t GB18030 "$table" >"$out/table-$rows-gb.csv"
    for encoding in utf8 gb18030; do
        in=$table
        [ $encoding = gb18030 ] && in=$out/table-$rows-gb.csv
        : >"$out/times"
        : >"$out/cpu"
        : >"$out/rss"
        for ((r = 0; r < runs; r++)); do
            status=0
            /usr/bin/time -f '%e %U %S %M' -o "$out/time" "$orvane" batch valve "$in" -o "$out/sized.csv" 2>/dev/null || status=$?
            [ $status -le 1 ] || { echo "orvane batch failed with $status" >&2; exit 1; }
            read -r seconds user system kib < <(tail -n 1 "$out/time")  # after "Command exited with non-zero status 1"
            echo "$seconds" >>"$out/times"
            awk -v u="$user" -v s="$system" 'BEGIN { print u + s }' >>"$out/cpu"
            echo "$kib" >>"$out/rss"
        done
        seconds=$(median <"$out/times")
        cpu=$(median <"$out/cpu")
        kib=$(median <"$out/rss")
        awk -v n="$rows" -v s="$seconds" -v c="$cpu" -v k="$kib" -v e="$encoding" 'BEGIN {
            printf "%8d rows %-8s %6.2f s  %8.0f rows/s  CPU %6.2f s  %8.0f rows per CPU second  peak RSS %6.1f MiB\n",
                n, e, s, (s > 0 ? n / s : 0), c, (c > 0 ? n / c : 0), k / 1024 }'
    done
done
