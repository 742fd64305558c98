#!/usr/bin/env bash
# Times pelmora-convert side by side with general-purpose RTF converters and with the cost of merely reading and
# copying the same files, on generated documents, and writes the results into docs/performance.md.
# Not part of CI: it installs the peers from Debian if they are missing, and the peers need minutes per document.
#
# Usage: bench/compare-peers.sh [--runs N] [--peer-runs N] [--cap SECONDS] [--sizes "10 50"] [--kind KIND]
#                               [--scaling "1 10 100"] [--build DIR] [--work DIR] [--out FILE] [--no-install]
#                               [--report-only]
#
#   --runs N        runs of pelmora-convert and the floors per document (default 7; the median is reported)
#   --peer-runs N   at most this many runs of each peer (default 3; after a run over 60 s only that one)
#   --cap SECONDS   a peer run is stopped after this long and reported as "> cap" (default 900)
#   --peer-memory   heap limit for pandoc's runtime (default 12g), so that it cannot take the machine's memory
#   --sizes         MiB sizes of the side-by-side documents (default "10 50")
#   --kind          document kind of pelmora-gen-rtf (default mixed: a letter with all constructs)
#   --scaling       MiB sizes for pelmora-convert's own time per MiB and peak memory (default "1 10 100")
#   --report-only   times nothing: writes the report again from the raw data the last run kept in the work folder
set -euo pipefail

root="$(cd "$(dirname "$0")/.." && pwd)"
runs=7
peer_runs=3
cap=900
peer_memory=12g
sizes="10 50"
kind=mixed
scaling="1 10 100"
build="$root/build/compare"
work=""
out="$root/docs/performance.md"
install=1
report_only=0

while [ $# -gt 0 ]; do
  case "$1" in
    --runs) runs="$2"; shift 2 ;;
    --peer-runs) peer_runs="$2"; shift 2 ;;
    --cap) cap="$2"; shift 2 ;;
    --peer-memory) peer_memory="$2"; shift 2 ;;
    --sizes) sizes="$2"; shift 2 ;;
    --kind) kind="$2"; shift 2 ;;
    --scaling) scaling="$2"; shift 2 ;;
    --build) build="$2"; shift 2 ;;
    --work) work="$2"; shift 2 ;;
    --out) out="$2"; shift 2 ;;
    --no-install) install=0; shift ;;
    --report-only) report_only=1; shift ;;
    -h|--help) sed -n '2,17p' "$0" | sed 's/^# \{0,1\}//'; exit 0 ;;
    *) echo "compare-peers: unknown option $1" >&2; exit 2 ;;
  esac
done
[ -n "$work" ] || work="$build/work"
build=$(realpath -m "$build")
work=$(realpath -m "$work")
out=$(realpath -m "$out")

log() { echo "compare-peers: $*" >&2; }

# --- Peers from Debian -------------------------------------------------------------------------------------------
install_missing() {
  local missing=()
  command -v unrtf >/dev/null || missing+=(unrtf)
  command -v pandoc >/dev/null || missing+=(pandoc)
  command -v soffice >/dev/null || missing+=(libreoffice-writer-nogui)  # the headless build of LibreOffice Writer
  [ -x /usr/bin/time ] || missing+=(time)
  [ ${#missing[@]} -eq 0 ] && return
  [ "$install" = 1 ] || { log "missing: ${missing[*]} (and --no-install given)"; exit 1; }
  local sudo=""
  [ "$(id -u)" -ne 0 ] && sudo="sudo"
  log "installing ${missing[*]}"
  export DEBIAN_FRONTEND=noninteractive
  $sudo apt-get update -q
  $sudo apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=600 "${missing[@]}"
}
docs="$work/docs"
outs="$work/out"
results="$work/results.tsv"
scaling_results="$work/scaling.tsv"
meta="$work/meta.sh"
doc_path() { echo "$docs/$kind-$1MB-$2.rtf"; }

# Everything up to the report is skipped with --report-only.
if [ "$report_only" = 0 ]; then
install_missing

# --- pelmora-convert and the document generator, release build ---------------------------------------------------
log "building pelmora-convert (release) in $build"
cmake --preset release -B "$build" -DPELMORA_BUILD_WINDOW=OFF -DPELMORA_BUILD_IDEPACKAGE=OFF \
  -DPELMORA_BUILD_UNINSTALLER=OFF -DPELMORA_BUILD_TESTS=OFF >/dev/null
cmake --build "$build" -j2 --target pelmora-convert pelmora-gen-rtf >/dev/null
convert="$build/converter/cli/pelmora-convert"
generate="$build/bench/pelmora-gen-rtf"

mkdir -p "$docs" "$outs"

all_sizes=$(printf '%s\n' $sizes $scaling | sort -nu)
for mb in $all_sizes; do
  for ends in crlf lf; do
    f=$(doc_path "$mb" "$ends")
    [ -s "$f" ] || { log "generating $f"; "$generate" "$kind" "$mb" "$ends" "$f"; }
  done
done

# --- Timing ------------------------------------------------------------------------------------------------------
# One run: wall time in seconds (bash's microsecond clock around the whole command, /usr/bin/time and timeout
# included, as for every row) and peak resident memory from /usr/bin/time -v. Prints "SECONDS KB STATUS".
one_run() {
  local limit="$1"; shift
  local memfile="$work/time.txt" start end status
  rm -f "$memfile"
  start=$EPOCHREALTIME
  set +e
  # In the output folder: unrtf writes the pictures it finds into the current folder.
  (cd "$outs" && exec /usr/bin/time -v -o "$memfile" timeout --kill-after=10 "$limit" "$@" </dev/null \
    >"$work/stdout" 2>"$work/stderr")
  status=$?
  set -e
  end=$EPOCHREALTIME
  local kb
  kb=$(sed -n 's/^[[:space:]]*Maximum resident set size (kbytes): //p' "$memfile" 2>/dev/null | tail -1)
  echo "$(awk -v a="$start" -v b="$end" 'BEGIN { printf "%.4f", b - a }') ${kb:-0} $status"
}

median() { sort -n | awk '{ v[NR] = $1 } END { if (NR == 0) print ""; else if (NR % 2) print v[(NR + 1) / 2]; else printf "%.4f\n", (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

# Runs a command several times; a peer stops after one run that took longer than a minute. OUTPUT (or "-" for
# none) is removed before each run, so that every run writes a new file, and must exist afterwards. Prints
# "MEDIAN_SECONDS MAX_KB RUNS RESULT", RESULT being ok, timeout, "failed(N)" or "failed(no-page)".
measure() {
  local max_runs="$1" limit="$2" output="$3"; shift 3
  local times=() kb=0 n=0 result=ok line secs mem status
  while [ "$n" -lt "$max_runs" ]; do
    [ "$output" = - ] || rm -f "$output"
    sync
    line=$(one_run "$limit" "$@")
    # A stopped LibreOffice may leave its worker behind; it must not run on beside the rows that follow.
    if pkill -KILL -f -- "UserInstallation=file://$lo_profile" 2>/dev/null; then
      while pgrep -f -- "UserInstallation=file://$lo_profile" >/dev/null; do sleep 0.2; done
    fi
    read -r secs mem status <<<"$line"
    n=$((n + 1))
    [ "$mem" -gt "$kb" ] && kb=$mem
    if [ "$status" = 124 ] || [ "$status" = 137 ]; then result=timeout; times=("$limit"); break; fi
    if [ "$status" != 0 ]; then result="failed($status)"; times+=("$secs"); break; fi
    if [ "$output" != - ] && [ ! -s "$output" ]; then result="failed(no-page)"; times+=("$secs"); break; fi
    times+=("$secs")
    awk -v s="$secs" 'BEGIN { exit !(s > 60) }' && break
  done
  echo "$(printf '%s\n' "${times[@]}" | median) $kb $n $result"
}

mib() { awk -v b="$(stat -c %s "$1")" 'BEGIN { printf "%.2f", b / 1048576 }'; }
# The longest line as the converter reads it: lines end at CR, LF or CR LF.
longest_line() { LC_ALL=C awk 'BEGIN { RS = "\r\n|\r|\n" } { n = length($0); if (n > m) m = n } END { print m + 0 }' "$1"; }

lo_profile="$work/lo-profile"
soffice_cmd=(soffice "-env:UserInstallation=file://$lo_profile" --headless --convert-to html --outdir "$outs")

# LibreOffice builds its user profile on the first start; that start is not timed.
if [ ! -d "$lo_profile" ]; then
  log "preparing the LibreOffice profile"
  printf '{\\rtf1 warm-up\\par}' >"$work/warmup.rtf"
  timeout 300 "${soffice_cmd[@]}" "$work/warmup.rtf" >/dev/null 2>&1 || true
fi

# What the timing wrapper (time, timeout, the shell's clock) costs by itself, for reading the floors.
wrapper=$(measure "$runs" 60 - true | awk '{ printf "%.1f", 1000 * $1 }')

load_start=$(cut -d' ' -f1-3 /proc/loadavg)
: >"$results"
record() { printf '%s\t%s\t%s\n' "$1" "$2" "$3" >>"$results"; }

for mb in $sizes; do
  for ends in crlf lf; do
    f=$(doc_path "$mb" "$ends")
    name=$(basename "$f" .rtf)
    cat "$f" >/dev/null  # the document in the page cache for every row alike
    log "$name: pelmora-convert"
    record "$name" "pelmora-convert" "$(measure "$runs" 600 "$outs/page.htm" "$convert" -o "$outs/page.htm" "$f")"
    log "$name: floors"
    record "$name" "cat FILE >/dev/null" "$(measure "$runs" 600 - sh -c 'exec cat "$1" >/dev/null' sh "$f")"
    record "$name" "cp FILE COPY" "$(measure "$runs" 600 "$outs/copy.rtf" cp "$f" "$outs/copy.rtf")"
    record "$name" "dd if=FILE of=COPY bs=64K" \
      "$(measure "$runs" 600 "$outs/copy.rtf" dd if="$f" of="$outs/copy.rtf" bs=64K status=none)"
    log "$name: unrtf --html"
    record "$name" "unrtf --html" \
      "$(measure "$peer_runs" "$cap" "$outs/unrtf.html" sh -c 'exec unrtf --html "$1" >"$2"' sh "$f" "$outs/unrtf.html")"
    log "$name: pandoc -f rtf -t html"
    record "$name" "pandoc -f rtf -t html" \
      "$(measure "$peer_runs" "$cap" "$outs/pandoc.html" pandoc +RTS "-M$peer_memory" -RTS -f rtf -t html "$f" -o "$outs/pandoc.html")"
    log "$name: soffice --headless --convert-to html"
    record "$name" "soffice --headless --convert-to html" \
      "$(measure "$peer_runs" "$cap" "$outs/$name.html" "${soffice_cmd[@]}" "$f")"
    rm -f "$outs"/*.htm* "$outs/copy.rtf" "$outs"/pict*
  done
done

: >"$scaling_results"
for ends in crlf lf; do
  for mb in $scaling; do
    f=$(doc_path "$mb" "$ends")
    cat "$f" >/dev/null
    log "$(basename "$f" .rtf): pelmora-convert scaling"
    printf '%s\t%s\t%s\t%s\t%s\n' "$ends" "$mb" "$(stat -c %s "$f")" "$(longest_line "$f")" \
      "$(measure "$runs" 600 "$outs/page.htm" "$convert" -o "$outs/page.htm" "$f")" >>"$scaling_results"
  done
done
rm -f "$outs/page.htm"

# What the report needs besides the raw rows, so that --report-only can write it again.
{
  printf 'stamp=%q\nload_start=%q\nload_end=%q\nwrapper=%q\n' "$(date -u '+%Y-%m-%d %H:%M UTC')" "$load_start" \
    "$(cut -d' ' -f1-3 /proc/loadavg)" "$wrapper"
  printf 'runs=%q\npeer_runs=%q\ncap=%q\npeer_memory=%q\nkind=%q\nsizes=%q\n' "$runs" "$peer_runs" "$cap" \
    "$peer_memory" "$kind" "$sizes"
} >"$meta"
fi

[ -s "$meta" ] && [ -s "$results" ] && [ -s "$scaling_results" ] \
  || { log "no raw data in $work: run without --report-only first"; exit 1; }
# shellcheck source=/dev/null
. "$meta"

# --- The report ----------------------------------------------------------------------------------------------------
cpu=$(sed -n 's/^model name[[:space:]]*: //p' /proc/cpuinfo | head -1)
mem=$(awk '/^MemTotal/ { printf "%.1f GiB", $2 / 1048576 }' /proc/meminfo)
fs=$(df -T "$work" | awk 'NR == 2 { print $2 }')
versions="unrtf $(unrtf --version 2>&1 | head -1), $(pandoc --version | head -1), $(soffice --version 2>/dev/null | head -1 | awk "{ print \$1, \$2 }")"

report="$work/report.md"
{
  echo "<!-- compare-peers: begin (written by bench/compare-peers.sh; do not edit by hand) -->"
  echo "### Side by side: $stamp"
  echo
  echo "Machine: $(nproc) CPUs ($cpu), $mem memory, Linux $(uname -r), work files on $fs (in the page cache);"
  echo "load average (1, 5, 15 minutes) $load_start when the timing began, $load_end at its end."
  echo "Peers: $versions."
  echo "Documents: \`pelmora-gen-rtf $kind N crlf|lf\`; 1 MB = 1 MiB. Wall time per run includes the start of the"
  echo "program; median of up to $runs runs ($peer_runs for the peers, one run when it took over a minute); a run"
  echo "that had not ended after $cap s was stopped (\"> $cap s\"). Peak memory: the largest maximum resident set"
  echo "size of the runs (/usr/bin/time -v); none for a stopped run (\"–\"), as a program stopped mid-way may leave"
  echo "its worker processes to be reaped by another, and their memory never reaches time's count."
  echo "pandoc ran with its heap limited to $peer_memory (+RTS -M$peer_memory)."
  echo "The timing wrapper alone (\`true\` in its place) takes $wrapper ms; it is part of every row."
  echo
  echo "| Document | Program | Runs | Median wall time | MB/s | × cp | Peak memory |"
  echo "|---|---|---:|---:|---:|---:|---:|"
  awk -F'\t' -v docs="$docs" '
    { split($3, r, " "); secs[NR] = r[1]; kb[NR] = r[2]; n[NR] = r[3]; res[NR] = r[4]; doc[NR] = $1; prog[NR] = $2
      if ($2 == "cp FILE COPY") cp[$1] = r[1] }
    END {
      for (i = 1; i <= NR; i++) {
        cmd = "stat -c %s \"" docs "/" doc[i] ".rtf\""; cmd | getline bytes; close(cmd)
        size = bytes / 1048576
        if (res[i] == "timeout") { t = "> " secs[i] " s"; rate = "< " sprintf("%.3f", size / secs[i]); ratio = "> " sprintf("%.0f", secs[i] / cp[doc[i]]) }
        else if (res[i] != "ok") { t = "failed: " res[i]; rate = "–"; ratio = "–" }
        else { t = sprintf("%.3f s", secs[i]); rate = sprintf(size / secs[i] >= 10 ? "%.0f" : "%.2f", size / secs[i]); ratio = sprintf("%.1f", secs[i] / cp[doc[i]]) }
        peak = (res[i] == "timeout") ? "–" : sprintf("%.1f MB", kb[i] / 1024)
        printf "| %s (%.1f MB) | `%s` | %d | %s | %s | %s | %s |\n", doc[i], size, prog[i], n[i], t, rate, ratio, peak
      }
    }' "$results"
  echo
  echo "#### pelmora-convert alone: time per MB and peak memory by size"
  echo
  echo "| Line ends | Size | Longest line | Median wall time | Time per MB | Peak memory | Longest line + 16 MB |"
  echo "|---|---:|---:|---:|---:|---:|---:|"
  awk -F'\t' '{ split($5, r, " "); size = $3 / 1048576
      printf "| %s | %.1f MB | %.2f MB | %.3f s | %.2f ms | %.1f MB | %.1f MB |\n", $1, size, $4 / 1048576, r[1], 1000 * r[1] / size, r[2] / 1024, $4 / 1048576 + 16 }' "$scaling_results"
  echo
  echo "#### Targets"
  echo
  awk -F'\t' -v big="$(echo $sizes | awk '{ print $NF }')" -v docs="$docs" '
    FNR == NR { split($3, r, " "); if ($1 !~ "-" big "MB-") next
      cmd = "stat -c %s \"" docs "/" $1 ".rtf\""; cmd | getline bytes; close(cmd)
      rate = (r[4] == "ok") ? bytes / 1048576 / r[1] : (r[4] == "timeout" ? bytes / 1048576 / r[1] : 0)
      if ($2 == "pelmora-convert") { own[$1] = rate; ownsecs[$1] = r[1] }
      else if ($2 == "cp FILE COPY") cp[$1] = r[1]
      else if ($2 !~ /^(cat|dd) / && rate > best[$1]) { best[$1] = rate; bestname[$1] = $2; bestcapped[$1] = (r[4] == "timeout") }
      next }
    { split($5, r, " "); perMB[$1 "," $2] = r[1] / ($3 / 1048576); peak[$1 "," $2] = r[2] / 1024; line[$1 "," $2] = $4 / 1048576; sizesOf[$1] = sizesOf[$1] " " $2 }
    END {
      for (d in own) {
        printf "- %s: %.0f times the throughput of the fastest peer (`%s`%s; target at least 100), %.1f times the `cp` floor (target at most 4).\n", d, own[d] / best[d], bestname[d], bestcapped[d] ? ", which was stopped, so at least" : "", ownsecs[d] / cp[d]
      }
      for (e in sizesOf) {
        n = split(sizesOf[e], s, " "); lo = s[1]; hi = s[1]
        for (k = 1; k <= n; k++) { if (s[k] + 0 < lo + 0) lo = s[k]; if (s[k] + 0 > hi + 0) hi = s[k] }
        printf "- %s: time per MB at %s MB is %.2f times that at %s MB (target at most 1.3); peak memory at %s MB %.1f MB against a limit of %.1f MB (longest line + 16 MB).\n", e, hi, perMB[e "," hi] / perMB[e "," lo], lo, hi, peak[e "," hi], line[e "," hi] + 16
      }
    }' "$results" "$scaling_results" | sort
  echo "<!-- compare-peers: end -->"
} >"$report"

# Replace the marked section of the note, or append it when the note has none yet.
mkdir -p "$(dirname "$out")"
touch "$out"
if grep -q '^<!-- compare-peers: begin' "$out"; then
  awk -v report="$report" '
    /^<!-- compare-peers: begin/ { while ((getline l < report) > 0) print l; skip = 1; next }
    /^<!-- compare-peers: end -->/ { skip = 0; next }
    !skip { print }' "$out" >"$out.new"
  mv "$out.new" "$out"
else
  { [ -s "$out" ] && echo; cat "$report"; } >>"$out"
fi
log "wrote the results into $out (raw data in $results and $scaling_results)"
