#!/usr/bin/env bash
# The machine set-up against a package mirror that is out of step: apt-get and
# dpkg are stand-ins on the PATH that fail the way a mirror in mid-sync does
# ("File has unexpected size ... Mirror sync in progress?").
set -uo pipefail
ROOT=$(cd "$(dirname "$0")/../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir "$work/bin"
cat >"$work/bin/apt-get" <<'STAND_IN'
#!/usr/bin/env bash
echo "apt-get $*" >>"$FAKE_CALLS"
case "$*" in
  *update*)
    n=$(grep -c 'apt-get update' "$FAKE_CALLS")
    if [ "$n" -le "$FAKE_UPDATE_FAILS" ]; then
      echo "E: Failed to fetch http://deb.example.org/debian-security/dists/bookworm-security/main/binary-i386/Packages.xz  File has unexpected size (374820 != 376004). Mirror sync in progress? [IP: 192.0.2.1 80]" >&2
      echo "E: Some index files failed to download. They have been ignored, or old ones used instead." >&2
      exit 100
    fi ;;
  *install*)
    prefs=$(echo "$*" | sed -n 's/.*Dir::Etc::Preferences=\([^ ]*\).*/\1/p')
    case "$FAKE_INSTALL" in
      ok) exit 0 ;;
      pin) [ -n "$prefs" ] && grep -q 'n=bookworm-security' "$prefs" && exit 0 ;;
    esac
    echo "E: Unable to correct problems, you have held broken packages." >&2
    exit 100 ;;
esac
STAND_IN
cat >"$work/bin/dpkg" <<'STAND_IN'
#!/usr/bin/env bash
case "$1" in
  -s) exit 1 ;;
  --print-foreign-architectures) echo i386 ;;
esac
exit 0
STAND_IN
printf '#!/usr/bin/env bash\nexec "$@"\n' >"$work/bin/sudo"
chmod +x "$work/bin/"*

failures=0
# case: failing update tries, install behaviour, what runs after the set-up,
# expected exit, expected update calls, expected install calls, texts the
# output must hold (| separated)
cases=(
  "one-bad-update|1|ok|:|0|2|1|try 1 of 3"
  "index-stays-bad-pin-helps|3|pin|:|0|3|2|binary-i386/Packages.xz|bookworm-security held back"
  "index-stays-bad-install-fails|3|fail|:|1|3|2|out of step|usually passes within minutes|scripts/test"
  "a-later-update-does-not-wait-again|9|pin|qv_apt_update|0|4|2|still serves these package indexes out of step"
)
for c in "${cases[@]}"; do
  IFS='|' read -r name fails install after want_rc want_updates want_installs texts <<<"$c"
  calls="$work/$name.calls"
  : >"$calls"
  out=$(PATH="$work/bin:$PATH" FAKE_CALLS="$calls" FAKE_UPDATE_FAILS="$fails" FAKE_INSTALL="$install" \
        QV_APT_RETRY_PAUSE=0 APT_PACKAGES="wine32:i386 xvfb" \
        bash -c 'source "$1/scripts/lib.sh"; APT_PACKAGES="wine32:i386 xvfb"; qv_setup_machine && $2' scripts/test "$ROOT" "$after" 2>&1)
  rc=$?
  updates=$(grep -c 'apt-get update' "$calls")
  installs=$(grep -c 'apt-get install' "$calls")
  problems=""
  [ "$rc" = "$want_rc" ] || problems+=" exit $rc, not $want_rc;"
  [ "$updates" = "$want_updates" ] || problems+=" $updates updates, not $want_updates;"
  [ "$installs" = "$want_installs" ] || problems+=" $installs installs, not $want_installs;"
  IFS='|' read -ra wanted <<<"$texts"
  for t in "${wanted[@]}"; do
    grep -qF -- "$t" <<<"$out" || problems+=" no \"$t\" in the output;"
  done
  if [ -n "$problems" ]; then
    echo "FAILED $name:$problems"
    echo "$out" | sed 's/^/    /'
    failures=$((failures + 1))
  else
    echo "ok $name"
  fi
done
exit $failures
