#!/usr/bin/env bash
# Times tarn-decode side by side with tshark on the same generated messages, and prints the
# tool's figures: messages/s and MB/s of report into a pipe with one job and with --jobs 2,
# peak resident memory, start-up plus a 64000-character file, the ratio to tshark -V.
#
#   bench/vs-tshark.sh [BUILD_DIR]        (default: build)
#
# The messages (bench/corpus.cpp) are written by tarn_corpus twice: as an observation report
# file for tarn-decode and as a pcap for tshark, ISUP as MTP3 messages (link type 141, decoded
# as mtp3 then isup), DSS1 as Q.931 messages under user link type 147 (decoded as q931).
# Both tools write their text into a pipe read by cat. Each figure is the median of several
# runs, the tools taking turns, so that a shared machine's load falls on both alike.
# tshark is only a yardstick here: without it the script prints the tool's own figures.
#
# Environment: TARN_BENCH_MESSAGES (default 500000 per protocol: the rates of a long report,
# not of the start-up), TARN_BENCH_RUNS (7),
# TARN_BENCH_TSHARK_RUNS (3), TARN_BENCH_STARTS (31 runs of the 64000-character file).
set -euo pipefail
cd "$(dirname "$0")/.."
build=${1:-build}
tool=$build/tarn-decode
corpus=$build/tarn_corpus
for f in "$tool" "$corpus"; do
    [[ -x $f ]] || { echo "missing $f: cmake --build $build --target tarn-decode tarn_corpus" >&2; exit 2; }
done
messages=${TARN_BENCH_MESSAGES:-500000}
runs=${TARN_BENCH_RUNS:-7}
tshark_runs=${TARN_BENCH_TSHARK_RUNS:-3}
starts=${TARN_BENCH_STARTS:-31}
tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT

have_tshark=0
command -v tshark >/dev/null && have_tshark=1
have_jobs=0
"$tool" --help | grep -q -- --jobs && have_jobs=1
q931_dlt='uat:user_dlts:"User 0 (DLT=147)","q931","0","","0",""'

# median of the numbers on standard input
median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# run NAME CMD...: runs CMD with its standard output into a pipe (to /dev/null when NAME
# ends in .null); appends the wall time, the CPU time (user + system) and the peak resident
# memory (KB) to $tmp/NAME.
run() {
    local name=$1
    shift
    local start=$EPOCHREALTIME
    if [[ $name == *.null ]]; then
        /usr/bin/time -o "$tmp/time" -f "%U %S %M" "$@" 2>/dev/null >/dev/null
    else
        /usr/bin/time -o "$tmp/time" -f "%U %S %M" "$@" 2>/dev/null | cat >/dev/null
    fi
    local end=$EPOCHREALTIME
    read -r user sys rss <"$tmp/time"
    awk -v s="$start" -v e="$end" -v u="$user" -v y="$sys" -v m="$rss" \
        'BEGIN { printf "%.6f %.2f %d\n", e - s, u + y, m }' >>"$tmp/$name"
}
wall() { cut -d' ' -f1 "$tmp/$1" | median; }
cpu() { cut -d' ' -f2 "$tmp/$1" | median; }
peak() { cut -d' ' -f3 "$tmp/$1" | sort -n | tail -1; }

echo "tarn-decode $("$tool" --version | cut -d' ' -f2), $(nproc) cores, load average $(cut -d' ' -f1-3 /proc/loadavg)"
[[ $have_tshark == 1 ]] && echo "$(tshark --version 2>/dev/null | head -1)"

for family in isup dss1; do
    per_call=5
    [[ $family == dss1 ]] && per_call=4
    calls=$(((messages + per_call - 1) / per_call))
    n=$("$corpus" "$family" "$calls" "$tmp/$family.txt" "$tmp/$family.pcap" | cut -d' ' -f1)
    report_bytes=$("$tool" --lang en "$tmp/$family.txt" | wc -c)
    tshark_args=(-n -V -r "$tmp/$family.pcap")
    [[ $family == dss1 ]] && tshark_args=(-n -V -o "$q931_dlt" -r "$tmp/$family.pcap")
    jobs1=()
    [[ $have_jobs == 1 ]] && jobs1=(--jobs 1)
    for ((r = 0; r < runs; ++r)); do
        run "$family.tarn1" "$tool" --lang en "${jobs1[@]}" "$tmp/$family.txt"
        if [[ $have_jobs == 1 ]]; then
            run "$family.tarn2" "$tool" --lang en --jobs 2 "$tmp/$family.txt"
            run "$family.tarn1.null" "$tool" --lang en --jobs 1 "$tmp/$family.txt"
            run "$family.tarn2.null" "$tool" --lang en --jobs 2 "$tmp/$family.txt"
        fi
        if [[ $have_tshark == 1 && $r -lt $tshark_runs ]]; then run "$family.tshark" tshark "${tshark_args[@]}"; fi
    done
    echo
    echo "${family^^}: $n messages, $(du -k "$tmp/$family.txt" | cut -f1) KB of input, $((report_bytes / 1000000)) MB of report (English)"
    line() {  # line LABEL NAME
        local w c
        w=$(wall "$2")
        c=$(cpu "$2")
        awk -v l="$1" -v w="$w" -v c="$c" -v n="$n" -v b="$report_bytes" -v m="$(peak "$2")" 'BEGIN {
            printf "  %-22s %8.3f s wall %9.0f messages/s %7.0f MB/s of report   (CPU %.2f s)   peak %5.1f MB\n",
                   l, w, n / w, b / w / 1e6, c, m / 1024 }'
    }
    line "tarn-decode, 1 job" "$family.tarn1"
    if [[ $have_jobs == 1 ]]; then
        line "tarn-decode --jobs 2" "$family.tarn2"
        line "1 job, to /dev/null" "$family.tarn1.null"
        line "--jobs 2, to /dev/null" "$family.tarn2.null"
    fi
    if [[ $have_tshark == 1 ]]; then
        w=$(wall "$family.tshark")
        awk -v w="$w" -v n="$n" -v m="$(peak "$family.tshark")" -v c="$(cpu "$family.tshark")" 'BEGIN {
            printf "  %-22s %8.3f s wall %9.0f messages/s                          (CPU %.2f s)   peak %5.1f MB\n",
                   "tshark -V", w, n / w, c, m / 1024 }'
        awk -v t="$w" -v a="$(wall "$family.tarn1")" 'BEGIN { printf "  tarn-decode (1 job) is %.1f times as fast as tshark -V\n", t / a }'
    fi
    if [[ $have_jobs == 1 ]]; then
        awk -v a="$(wall "$family.tarn1")" -v b="$(wall "$family.tarn2")" -v c="$(wall "$family.tarn1.null")" \
            -v d="$(wall "$family.tarn2.null")" \
            'BEGIN { printf "  --jobs 2: %.2f times one job into the pipe, %.2f times to /dev/null\n", a / b, c / d }'
    fi
done

# The window's largest input: start-up, decoding and delivery of a 64000-character file,
# beside the start-up alone and the machine's floor (a process that does nothing).
"$corpus" both --within 64000 "$tmp/small.txt" >/dev/null
starts_of() {  # starts_of NAME CMD...: the wall time of each of $starts runs
    local name=$1
    shift
    for ((r = 0; r < starts; ++r)); do
        local start=$EPOCHREALTIME
        "$@" >"$tmp/small.out"
        local end=$EPOCHREALTIME
        awk -v s="$start" -v e="$end" 'BEGIN { printf "%.6f\n", e - s }' >>"$tmp/$name"
    done
}
for ((k = 0; k < 3; ++k)); do  # in turns, so that a change of load falls on all three
    starts_of start.true /bin/true
    starts_of start.version "$tool" --version
    starts_of start.small "$tool" --lang en "$tmp/small.txt"
done
echo
awk -v w="$(median <"$tmp/start.small")" -v v="$(median <"$tmp/start.version")" -v t="$(median <"$tmp/start.true")" \
    -v b="$(wc -c <"$tmp/small.txt")" -v o="$(wc -c <"$tmp/small.out")" 'BEGIN {
    printf "Start-up and a %d-character file decoded and delivered (%d bytes of report to a file): %.2f ms wall\n", b, o, w * 1000
    printf "  beside: tarn-decode --version %.2f ms, /bin/true %.2f ms (medians)\n", v * 1000, t * 1000 }'

# The window's path (decode_multi and OUTSET) beside the tool's streamed path on that input.
if [[ -x $build/tarn_bench ]]; then
    echo
    echo "The window's path (BM_Window/0) and the tool's (BM_Window/1) on the same 64000 characters:"
    "$build/tarn_bench" --benchmark_filter='BM_Window' --benchmark_min_time=0.2 2>/dev/null | grep '^BM_'
fi
