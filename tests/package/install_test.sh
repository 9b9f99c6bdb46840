#!/bin/sh
# Installs a build into a fresh folder: it must hold exactly the expected files, and the installed
# program must answer its command line without a display.
#   install_test.sh BUILD_DIR EXPECTED_FILES VERSION
set -eu
build=$1 expected=$2 version=$3
root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
DESTDIR=$root cmake --install "$build" --prefix /usr >/dev/null
(cd "$root" && find . ! -type d | sed 's|^\.||' | LC_ALL=C sort) | diff -u "$expected" -

# --help and --version need no display at all: a program that opened a window here would fail.
zemora() { env -u DISPLAY -u WAYLAND_DISPLAY QT_QPA_PLATFORM=xcb "$root/usr/bin/zemora" "$@"; }
fail() { echo "$*" >&2; exit 1; }
[ "$(zemora --version)" = "zemora $version" ] || fail "--version printed: $(zemora --version)"
zemora --help | grep -q -- '--version' || fail "--help does not list --version"
# An unknown option is refused with a message and status 1, without a display too; Qt's own pass.
status=0
message=$(zemora --no-such-option 2>&1) || status=$?
[ "$status" = 1 ] || fail "an unknown option ended with status $status"
echo "$message" | grep -q "no-such-option" || fail "an unknown option was not named: $message"
[ "$(QT_QPA_PLATFORM=offscreen "$root/usr/bin/zemora" -platform offscreen --version)" = "zemora $version" ] ||
    fail "Qt's own -platform option was refused"
