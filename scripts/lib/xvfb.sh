# shellcheck shell=bash
# Sourced: start_xvfb starts a headless X server on a free display, waits
# until it is ready, exports DISPLAY and leaves its pid in XVFB_PID.
start_xvfb() {
  local displayfd
  displayfd=$(mktemp)
  Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp 3>"$displayfd" </dev/null >/dev/null 2>&1 &
  XVFB_PID=$!
  for _ in $(seq 200); do [[ -s $displayfd ]] && break; sleep 0.05; done
  if [[ ! -s $displayfd ]]; then
    rm -f "$displayfd"
    kill "$XVFB_PID" 2>/dev/null || true
    echo "Xvfb did not start within 10 s" >&2
    return 1
  fi
  DISPLAY=":$(head -n1 "$displayfd")"
  export DISPLAY
  rm -f "$displayfd"
}
