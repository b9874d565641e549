# shellcheck shell=bash
# Shared by the start-up benchmarks: runs two programs under startup_probe in
# pairs, alternating which goes first (A B, B A, ...), after two warm-up runs
# of each, and prints each program's medians and the median of the per-pair
# ratios A/B with its quartiles. A pair's two runs share the machine's load of
# the moment, so the ratio holds still where the plain medians drift.
# Usage (sourced): startup_rounds PAIRS PROBE NAME_A "CMD_A" NAME_B "CMD_B"
startup_rounds() {
  local pairs=$1 probe=$2 name_a=$3 command_a=$4 name_b=$5 command_b=$6
  local results i a b load_before
  results=$(mktemp -d)
  load_before=$(cut -d' ' -f1-3 /proc/loadavg)
  # shellcheck disable=SC2086
  for i in 1 2; do { "$probe" -- $command_a && "$probe" -- $command_b; } >/dev/null || true; done
  for ((i = 1; i <= pairs; i++)); do
    # A pair with a failed run is left out, so that the lines stay paired.
    # shellcheck disable=SC2086
    if ((i % 2)); then
      a=$("$probe" -- $command_a) && b=$("$probe" -- $command_b)
    else
      b=$("$probe" -- $command_b) && a=$("$probe" -- $command_a)
    fi || continue
    echo "$a" >>"$results/a"
    echo "$b" >>"$results/b"
  done
  if [[ ! -s $results/a ]]; then
    echo "startup_rounds: no pair completed" >&2
    rm -rf "$results"
    return 1
  fi
  startup_summary "$name_a" "$name_b" "$results/a" "$results/b"
  echo "load averages (1, 5, 15 min) before $load_before, after $(cut -d' ' -f1-3 /proc/loadavg)"
  rm -rf "$results"
}

# Reads the probe's lines of A and of B, pair by pair.
startup_summary() {
  paste -d' ' "$3" "$4" | awk -v name_a="$1" -v name_b="$2" '
    function sort(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
    }
    # The q-quantile of a sorted list, interpolated between neighbours.
    function quantile(a, n, q,   h, lo) {
      h = (n - 1) * q + 1; lo = int(h)
      return lo >= n ? a[n] : a[lo] + (h - lo) * (a[lo + 1] - a[lo])
    }
    function value(field,   kv) { split(field, kv, "="); return kv[2] }
    { n++; ma[n] = value($1); ra[n] = value($2) / 1024; mb[n] = value($3); rb[n] = value($4) / 1024
      ratio[n] = ma[n] / mb[n] }
    END {
      sort(ma, n); sort(ra, n); sort(mb, n); sort(rb, n); sort(ratio, n)
      printf "%s median_map_ms=%.1f median_rss_mb=%.1f runs=%d\n", name_a, quantile(ma, n, .5), quantile(ra, n, .5), n
      printf "%s median_map_ms=%.1f median_rss_mb=%.1f runs=%d\n", name_b, quantile(mb, n, .5), quantile(rb, n, .5), n
      printf "%s/%s median_ratio=%.3f quartiles=%.3f..%.3f pairs=%d (ABBA)\n", name_a, name_b,
        quantile(ratio, n, .5), quantile(ratio, n, .25), quantile(ratio, n, .75), n
    }'
}
