#!/bin/sh
# Prints the worksheet on a print server of the test's own: a cupsd with its own configuration,
# socket, spool and logs in a fresh folder, and a printer named PDF with cups-pdf's driver whose pages
# are written into that folder. The machine's own CUPS is left alone, and the server is stopped
# whatever happens. Skipped, saying why, only where cupsd cannot be started.
#   cups_test.sh WORKSHEET_TESTS
set -eu
tests=$1
skip() { echo "SKIPPED: $*"; exit 77; }
ppd=/usr/share/ppd/cups-pdf/CUPS-PDF_opt.ppd
command -v cupsd >/dev/null || skip "cupsd is not installed (Debian package cups)"
[ -r "$ppd" ] || skip "cups-pdf's driver is not installed (Debian package printer-driver-cups-pdf)"

dir=$(mktemp -d "${TMPDIR:-/tmp}/zemora-cups.XXXXXX")
server=
stop() {
    if [ -n "$server" ]; then kill "$server" 2>/dev/null || true; wait "$server" || true; fi
    rm -rf "$dir"
}
trap stop EXIT
trap 'exit 1' HUP INT TERM
# The filters read the spool inside the folder.
chmod 755 "$dir"
mkdir "$dir/spool" "$dir/log"
cat >"$dir/cupsd.conf" <<CONF
Listen $dir/cups.sock
Browsing No
WebInterface No
LogLevel info
# A job that fails leaves the printer running; the documents of jobs stay in the spool to be read,
# and so do their control files, written at once, which hold what each job asked for (its copies).
ErrorPolicy abort-job
PreserveJobFiles Yes
DirtyCleanInterval 0
<Location />
  Order allow,deny
  Allow all
</Location>
CONF
cat >"$dir/cups-files.conf" <<CONF
ServerRoot $dir
RequestRoot $dir/spool
TempDir $dir/spool
CacheDir $dir/cache
StateDir $dir/state
Printcap $dir/printcap
ErrorLog $dir/log/error_log
AccessLog $dir/log/access_log
PageLog $dir/log/page_log
FileDevice Yes
CONF
# Started by root, cupsd runs its filters as lp; started by anyone else, as that user.
[ "$(id -u)" = 0 ] ||
    printf 'User %s\nGroup %s\nSystemGroup %s\n' "$(id -un)" "$(id -gn)" "$(id -gn)" >>"$dir/cups-files.conf"
cupsd -f -c "$dir/cupsd.conf" -s "$dir/cups-files.conf" >"$dir/log/cupsd" 2>&1 &
server=$!
for _ in $(seq 100); do
    [ -S "$dir/cups.sock" ] || ! kill -0 "$server" 2>/dev/null && break
    sleep 0.1
done
[ -S "$dir/cups.sock" ] || skip "cupsd could not be started: $(cat "$dir/log/cupsd" "$dir/log/error_log" 2>/dev/null)"

export CUPS_SERVER="$dir/cups.sock"
# cups-pdf's own backend would write into the home folder; the pages go into the test's folder.
lpadmin -p PDF -E -v "file://$dir/paper" -P "$ppd" 2>"$dir/log/lpadmin" && lpadmin -d PDF 2>>"$dir/log/lpadmin" ||
    { cat "$dir/log/lpadmin" >&2; exit 1; }
echo "Printing on a print server of the test's own ($CUPS_SERVER), printer PDF"
ZEMORA_PRINT_SERVER=$dir "$tests" --gtest_filter='*PrintServer*:*PrinterStates*' --gtest_brief=0 ||
    { tail -n 30 "$dir/log/error_log" >&2; exit 1; }
