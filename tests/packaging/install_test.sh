#!/usr/bin/env bash
# The Debian package, for real: built with CPack from the optimised build,
# its contents, desktop entry and metadata checked, installed with apt-get;
# the installed program started on a generated school under Xvfb up to the
# name list and left with "0" (the package's menu program only ends); then
# the package removed: the school's data and its settings under /etc stay.
# Purged at the end. Needs root, as CI is.
set -euo pipefail
root=$(cd "$(dirname "$0")/../.." && pwd)
build="$root/build"
out="$build/package-test"
mkdir -p "$out"
rm -f "$out"/*.png "$out"/*.deb
source "$root/tests/whole_program/x_session.sh"
[ "$(id -u)" -eq 0 ] || fail "installing the package needs root"
export DEBIAN_FRONTEND=noninteractive

(cd "$build" && cpack -G DEB -B "$out" >"$work/cpack.log" 2>&1) || { cat "$work/cpack.log"; fail "cpack made no package"; }
deb=$(ls "$out"/minamo-drill_*.deb)
contents=$(dpkg-deb --contents "$deb")
for path in ./usr/lib/minamo-drill/ミナモドリル/ミナモドリル ./usr/bin/minamo-drill \
  './usr/lib/minamo-drill/パスデータ.txt -> /etc/minamo-drill/パスデータ.txt' \
  './usr/lib/minamo-drill/起動 -> /etc/minamo-drill/起動' \
  ./etc/minamo-drill/パスデータ.txt ./etc/minamo-drill/起動/プログラムメニューc.exe \
  ./usr/share/applications/jp.minamo.MinamoDrill.desktop ./usr/share/metainfo/jp.minamo.MinamoDrill.metainfo.xml \
  ./usr/share/icons/hicolor/scalable/apps/minamo-drill.svg; do
  grep -qF " $path" <<<"$contents" || fail "the package holds no $path"
done
for needed in libqt6widgets6 libqt6multimedia6 libcups2 qt6-qpa-plugins fonts-ipafont-gothic; do
  dpkg-deb -f "$deb" Depends | grep -q "$needed" || fail "the package does not depend on $needed"
done

apt-get install -y "$deb" >"$work/install.log" 2>&1 || { cat "$work/install.log"; fail "apt-get could not install the package"; }
trap 'apt-get purge -y minamo-drill >/dev/null 2>&1 || true; cleanup' EXIT
desktop-file-validate /usr/share/applications/jp.minamo.MinamoDrill.desktop || fail "the desktop entry is not valid"
appstreamcli validate --no-net /usr/share/metainfo/jp.minamo.MinamoDrill.metainfo.xml >"$work/metainfo.log" ||
  { cat "$work/metainfo.log"; fail "the metadata are not valid"; }

# A school sets its data root in the package's path file.
school="$work/school"
"$build/tools/make_demo_school" "$school" --history 7 >/dev/null || fail "the school tree could not be generated"
cp "$school/パスデータ.txt" /etc/minamo-drill/パスデータ.txt
data_sum() { (cd "$school" && find . -type f -print0 | sort -z | xargs -0 md5sum); }

minamo-drill >"$work/program.log" 2>&1 &
app=$!; pids+=($app)
names=$(wait_for_window '^elvanto$') || { cat "$work/program.log"; fail "the installed program showed no name list"; }
wait_until 200 cover_gone || fail "name list: still covered after 20 s"
shot name-list
xdotool windowfocus --sync "$names" key 0
status=0
timeout 10 tail --pid="$app" -f /dev/null || fail "\"0\" did not end the installed program"
wait "$app" || status=$?
[ "$status" -eq 0 ] || fail "the installed program ended with $status after \"0\" (the menu program)"

before=$(data_sum)
apt-get remove -y minamo-drill >"$work/remove.log" 2>&1 || { cat "$work/remove.log"; fail "apt-get could not remove the package"; }
[ ! -e /usr/bin/minamo-drill ] || fail "the program is still installed after the removal"
cmp -s "$school/パスデータ.txt" /etc/minamo-drill/パスデータ.txt || fail "the removal did not keep the school's path file"
[ "$(data_sum)" = "$before" ] || fail "the removal changed the school's data"
echo "PASS"
