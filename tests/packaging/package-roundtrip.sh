#!/bin/sh
# Installs the Debian package with apt-get, runs what it installed, and checks
# that purging it leaves nothing of ours outside the user's data folder. Needs
# root and apt (CI runs it as root on Debian 12); exits with 77, CTest's skip
# code, where it cannot run.
#   package-roundtrip.sh PACKAGE_DIR   (where package-build.sh put the .deb)
set -eu
pkg=quorix-config
deb=$(ls "$(cd "${1:?package folder}" && pwd)"/"$pkg"_*.deb 2>/dev/null | head -n 1)
skip() { echo "SKIPPED: $*"; exit 77; }
fail() { echo "FAILED: $*" >&2; exit 1; }
[ -n "$deb" ] || skip "no package in $1 (package_build made none; see its output)"

[ "$(id -u)" -eq 0 ] || skip "installing a package needs root"
for tool in apt-get dpkg dpkg-deb; do
    command -v "$tool" >/dev/null 2>&1 || skip "$tool is missing (Debian with dpkg-dev and cmake needed)"
done
# One install at a time per machine: other checkouts may run this test too.
command -v flock >/dev/null 2>&1 || skip "flock is missing (util-linux)"
lock=/run/lock/quorix-package-roundtrip.lock
[ -d /run/lock ] || lock=/tmp/quorix-package-roundtrip.lock
exec 9>>"$lock"
flock -w 180 9 || skip "another package test held $lock for 3 minutes"
# Someone's own installation (or its leftover configuration) is not ours to replace.
if dpkg-query -W "$pkg" >/dev/null 2>&1; then
    skip "a $pkg package is known to dpkg already ($(dpkg-query -W -f='${Status}' "$pkg")); leaving it alone"
fi

work=$(mktemp -d /tmp/quorix-package.XXXXXX)
installed=no
cleanup() {
    status=$?
    if [ "$installed" = yes ]; then
        apt-get purge -y -q -o DPkg::Lock::Timeout=300 "$pkg" >"$work/cleanup.log" 2>&1 ||
            dpkg --purge "$pkg" >>"$work/cleanup.log" 2>&1 || cat "$work/cleanup.log" >&2
    fi
    rm -rf "$work"
    exit "$status"
}
trap cleanup EXIT
trap 'exit 1' INT TERM

depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# From the binaries (dpkg-shlibdeps) and from what the screens load at run time.
for dep in libqt6core6 libhidapi-hidraw0 libudev1 libevdev2 qml6-module-qtquick libqt6svg6; do
    case ", $depends," in *", $dep "* | *", $dep,"*) ;; *) fail "Depends lacks $dep" ;; esac
done

# Paths the package brings that do not exist yet; all must be gone after purging.
dpkg-deb -c "$deb" | awk '{print $NF}' | sed 's|^\./|/|; s|/$||' | grep -v '^$' >"$work/contents"
: >"$work/new"
while read -r path; do [ -e "$path" ] || [ -L "$path" ] || echo "$path" >>"$work/new"; done <"$work/contents"

installed=yes
apt-get install -y -q --no-install-recommends -o DPkg::Lock::Timeout=300 "$deb" >"$work/install.log" 2>&1 ||
    { cat "$work/install.log"; fail "apt-get could not install the package"; }

for f in /usr/bin/quorix-config /usr/bin/quorixctl /usr/bin/quorix-sim; do
    [ -x "$f" ] || fail "$f is not installed"
done
for f in /lib/udev/rules.d/70-quorix-devices.rules \
    /usr/share/applications/quorix-config.desktop \
    /etc/xdg/autostart/quorix-config.desktop \
    /usr/share/icons/hicolor/scalable/apps/quorix-config.svg \
    /usr/share/metainfo/org.quorix.config.metainfo.xml \
    /usr/share/man/man1/quorix-config.1.gz /usr/share/man/man1/quorixctl.1.gz /usr/share/man/man1/quorix-sim.1.gz \
    /usr/share/bash-completion/completions/quorixctl \
    /usr/share/quorix-config/modules/setting/apConfig.bin \
    /usr/share/doc/quorix-config/copyright /usr/share/doc/quorix-config/changelog.gz; do
    [ -f "$f" ] || fail "$f is not installed"
done
dpkg-query -W -f='${Conffiles}\n' "$pkg" | grep -q '^ /etc/xdg/autostart/quorix-config.desktop ' ||
    fail "the autostart entry is not a conffile"
if command -v man >/dev/null 2>&1; then
    [ "$(man -w quorixctl)" = /usr/share/man/man1/quorixctl.1.gz ] || fail "man does not find quorixctl(1)"
fi

# The installed tools, as a user would start them: the data root is made in the
# user's data folder from the installed factory tree.
mkdir -p "$work/home" "$work/run"
chmod 700 "$work/run"
as_user() {
    env HOME="$work/home" XDG_DATA_HOME="$work/home/data" XDG_RUNTIME_DIR="$work/run" QT_QPA_PLATFORM=offscreen "$@"
}
as_user /usr/bin/quorixctl --help >"$work/help" || fail "quorixctl --help failed"
grep -q '^usage: quorixctl' "$work/help" || fail "quorixctl --help printed no usage"
as_user /usr/bin/quorixctl --simulate devices >"$work/devices" || fail "quorixctl --simulate devices failed"
[ "$(grep -c '"present": true' "$work/devices")" -eq 2 ] || { cat "$work/devices"; fail "the simulated devices are not listed"; }
[ -f "$work/home/data/quorix-config/modules/setting/apConfig.bin" ] || fail "no data root was made for the user"

apt-get purge -y -q -o DPkg::Lock::Timeout=300 "$pkg" >"$work/purge.log" 2>&1 ||
    { cat "$work/purge.log"; fail "apt-get could not purge the package"; }
installed=no
! dpkg-query -W "$pkg" >/dev/null 2>&1 || fail "dpkg still knows $pkg after purging"
left=$(while read -r path; do [ ! -e "$path" ] && [ ! -L "$path" ] || echo "$path"; done <"$work/new")
[ -z "$left" ] || fail "left behind after purging: $left"
ls /var/lib/dpkg/info/"$pkg".* >/dev/null 2>&1 && fail "dpkg's records of $pkg are left behind"
# The user's own data is theirs to keep.
[ -f "$work/home/data/quorix-config/modules/setting/apConfig.bin" ] || fail "purging touched the user's data"
echo "installed, ran and purged cleanly"
