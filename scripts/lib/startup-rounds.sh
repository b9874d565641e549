# Shared by the start-up benchmarks: runs two programs alternately under
# startup_probe, one warm-up each, then ROUNDS measured runs each, and prints
# the medians. Usage (sourced): startup_rounds ROUNDS PROBE NAME_A "CMD_A" NAME_B "CMD_B"
startup_rounds() {
  local rounds=$1 probe=$2 name_a=$3 command_a=$4 name_b=$5 command_b=$6
  local results i
  results=$(mktemp -d)
  # shellcheck disable=SC2086
  { "$probe" -- $command_a; "$probe" -- $command_b; } >/dev/null || true
  for ((i = 1; i <= rounds; i++)); do
    # shellcheck disable=SC2086
    "$probe" -- $command_a >>"$results/a"
    # shellcheck disable=SC2086
    "$probe" -- $command_b >>"$results/b"
  done
  startup_summary "$name_a" "$results/a"
  startup_summary "$name_b" "$results/b"
  rm -rf "$results"
}

startup_summary() {
  awk -v name="$1" '
    function med(a, n,   i, j, t) {
      for (i = 2; i <= n; i++) { t = a[i]; for (j = i - 1; j >= 1 && a[j] > t; j--) a[j + 1] = a[j]; a[j + 1] = t }
      return n % 2 ? a[(n + 1) / 2] : (a[n / 2] + a[n / 2 + 1]) / 2
    }
    { for (f = 1; f <= NF; f++) { split($f, kv, "="); v[kv[1]] = kv[2] }
      n++; m[n] = v["map_ms"]; r[n] = v["rss_kb"] / 1024 }
    END { printf "%s median_map_ms=%.1f median_rss_mb=%.1f runs=%d\n", name, med(m, n), med(r, n), n }' "$2"
}
