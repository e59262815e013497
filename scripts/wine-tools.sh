# Sourced by the Wine scripts: where Debian's wine64 puts its programs.
wine_program() {
  local found
  for found in /usr/lib/wine/wine64 "$(command -v wine64 || true)" "$(command -v wine || true)"; do
    [ -n "$found" ] && [ -x "$found" ] && { echo "$found"; return; }
  done
  echo "no wine64 found (run scripts/bootstrap.sh)" >&2; return 1
}
wineserver_program() {
  local found
  for found in /usr/lib/wine/wineserver64 /usr/lib/wine/wineserver "$(command -v wineserver || true)"; do
    [ -n "$found" ] && [ -x "$found" ] && { echo "$found"; return; }
  done
  echo "no wineserver found (run scripts/bootstrap.sh)" >&2; return 1
}
