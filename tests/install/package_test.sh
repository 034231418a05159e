#!/usr/bin/env bash
# The Debian package: built from a release build with `cpack -G DEB`,
# installed with apt-get, started from /usr/bin on the demo game under Xvfb
# as a user who cannot write /usr/bin and, where the test runs as root, as
# root (the location cache goes to that user's cache folder either way, and
# one left beside the program is never read), then removed again.
#   package_test.sh SOURCE_DIR WORK_DIR
source_dir=${1:?usage: package_test.sh SOURCE_DIR WORK_DIR}
work=${2:?usage: package_test.sh SOURCE_DIR WORK_DIR}
source "$source_dir/tests/e2e/xvfb_lib.sh"

as_root=()
[ "$(id -u)" -eq 0 ] || as_root=(sudo -n)
apt_get=("${as_root[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -o DPkg::Lock::Timeout=900 -y)

# --- Build the package ---
log="$E2E_TMP/build.log"
{
  cmake -S "$source_dir" -B "$work/build" -G Ninja -DCMAKE_BUILD_TYPE=Release \
    -DTESSARY_BUILD_TESTS=OFF -DTESSARY_SANITIZE=OFF &&
    cmake --build "$work/build" --target tessary &&
    rm -f "$work/build"/tessary_*.deb &&
    (cd "$work/build" && cpack -G DEB)
} >"$log" 2>&1 || { cat "$log"; fail "building the package"; }
debs=("$work/build"/tessary_*.deb)
[ "${#debs[@]}" -eq 1 ] && [ -f "${debs[0]}" ] || fail "cpack made no single tessary_*.deb"
deb=${debs[0]}
depends=$(dpkg-deb -f "$deb" Depends)
grep -q 'libqt6widgets6' <<<"$depends" || fail "the dependencies were not worked out from the program: $depends"
# Loaded only when a 7z archive is read, so named by hand.
grep -q 'libarchive13' <<<"$depends" || fail "the package does not depend on libarchive: $depends"

# --- Install it; one package test on the machine at a time ---
lock=/tmp/tessary-package-test.lock
(umask 0; : >>"$lock") 2>/dev/null || true
exec 9<"$lock"
flock -w 1800 9 || fail "another package test held the lock too long"
# A package left by a run of this test that was killed is removed; one
# installed otherwise is not the test's to replace.
marker=/tmp/tessary-package-test.installed
if dpkg-query -W -f='${Status}' tessary 2>/dev/null | grep -q 'install ok installed'; then
  [ -e "$marker" ] || fail "a tessary package is already installed here; the test would replace it"
  "${apt_get[@]}" purge tessary >/dev/null 2>&1 || fail "the package left by an earlier run could not be removed"
fi
rm -f "$marker"
installed=0
stale_cache=0
remove_package() {
  [ "$stale_cache" -eq 0 ] || rm -f /usr/bin/maplog.txt
  if [ "$installed" -eq 1 ]; then
    if "${apt_get[@]}" purge tessary >/dev/null 2>&1; then rm -f "$marker"; else echo "FAIL: the package could not be removed" >&2; fi
  fi
  e2e_cleanup
}
trap remove_package EXIT
# Everything it needs is here already (the program was just built against
# it): nothing but the package itself may come with it.
others=$("${apt_get[@]}" --simulate install "$deb" 2>&1 | sed -n 's/^Inst \([^ ]*\).*/\1/p' | grep -vx tessary || true)
[ -z "$others" ] || fail "installing the package would also install: $others"
installed=1
: >"$marker"
"${apt_get[@]}" install "$deb" >"$E2E_TMP/apt.log" 2>&1 || { cat "$E2E_TMP/apt.log"; fail "apt-get install"; }

desktop-file-validate /usr/share/applications/tessary.desktop || fail "desktop entry"
appstreamcli validate --no-net /usr/share/metainfo/com.orlenport.Tessary.metainfo.xml >/dev/null ||
  fail "AppStream metainfo"
[ -s /usr/share/icons/hicolor/64x64/apps/tessary.png ] || fail "no icon"
[ "$(/usr/bin/tessary --version)" = "Tessary 1.00" ] || fail "the installed program's version"

# --- Start it on the demo game, as a user who cannot write /usr/bin ---
chmod 755 "$E2E_TMP"
bash "$source_dir/scripts/make-demo-prefix.sh" "$E2E_TMP/demo" >/dev/null
prefix="$E2E_TMP/demo/prefix"
home="$E2E_TMP/home"
mkdir -p "$home"
as_user=()
if [ "$(id -u)" -eq 0 ]; then
  chown nobody "$home"
  as_user=(setpriv --reuid=nobody --regid=nogroup --clear-groups)
fi
start_xvfb
"${as_user[@]}" env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" WINEPREFIX="$prefix" \
  /usr/bin/tessary 2>"$E2E_TMP/tessary.log" &
pid=$!
E2E_PIDS+=("$pid")
wait_map_window "$pid" >/dev/null || { cat "$E2E_TMP/tessary.log"; fail "the map window did not appear"; }

expected=$(printf '"%s/dosdevices/c:/Games/Fennock Marrowby/Home/Maps"\r\n' "$prefix" | od -An -c)
actual=$(od -An -c <"$home/.cache/tessary/maplog.txt") || fail "no cache in the user's cache folder"
[ "$expected" = "$actual" ] || fail "the user's cache holds:$actual"
[ ! -e /usr/bin/maplog.txt ] || fail "a cache was written beside the installed program"
kill "$pid"; wait "$pid" 2>/dev/null || true

# --- As root, with another user's stale cache beside the program ---
if [ "$(id -u)" -eq 0 ]; then
  stale_cache=1
  printf '"/home/someone/.wine/dosdevices/c:/Games/Gone/Home/Maps"\r\n' >/usr/bin/maplog.txt
  root_home="$E2E_TMP/root-home"
  mkdir -p "$root_home"
  env -i PATH=/usr/bin:/bin HOME="$root_home" DISPLAY="$DISPLAY" WINEPREFIX="$prefix" \
    /usr/bin/tessary 2>"$E2E_TMP/tessary-root.log" &
  pid=$!
  E2E_PIDS+=("$pid")
  wait_map_window "$pid" >/dev/null || { cat "$E2E_TMP/tessary-root.log"; fail "the map window did not appear for root"; }
  # The search ran (the stale cache was not read) and root's own cache holds what it found.
  actual=$(od -An -c <"$root_home/.cache/tessary/maplog.txt") || fail "no cache in root's cache folder"
  [ "$expected" = "$actual" ] || fail "root's cache holds:$actual"
  grep -q Gone /usr/bin/maplog.txt || fail "the cache beside the program was written over"
  kill "$pid"; wait "$pid" 2>/dev/null || true
  rm -f /usr/bin/maplog.txt
  stale_cache=0
fi

# --- Remove it ---
installed=0
"${apt_get[@]}" purge tessary >"$E2E_TMP/apt.log" 2>&1 || { cat "$E2E_TMP/apt.log"; fail "apt-get purge"; }
rm -f "$marker"
[ ! -e /usr/bin/tessary ] && [ ! -e /usr/share/applications/tessary.desktop ] || fail "files left after removal"
echo "Debian package: passed"
