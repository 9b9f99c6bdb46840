#!/bin/sh
# The Windows installer as a school's administrator uses it, and the installed program as a pupil
# and a teacher use it, under Wine in a fresh prefix on the display given (make windows-test starts a
# virtual one): a silent install; the program's answers on the command line; the menu with its ten
# buttons; the addition test marking two typed answers and lighting a star; a worksheet page and its
# answer key saved as PDF files; the program ending with status 0; a silent uninstall that leaves
# nothing behind.
#   installer_test.sh SETUP.exe VERSION PICTURES_FOLDER
set -eu
setup=$(realpath "$1") version=$2 pictures=$(realpath "$3")
[ -n "${DISPLAY:-}" ] || { echo "installer_test.sh needs a display (xvfb-run)" >&2; exit 1; }
work=$(mktemp -d)
export WINEPREFIX="$work/prefix" WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
trap 'wineserver -k 2>/dev/null || true; rm -rf "$work"' EXIT
# A failure leaves a picture of the display beside the others, to see what the program showed.
fail() {
    import -window root "$pictures/windows-failure.png" 2>/dev/null || true
    echo "installer_test.sh: $* (the display: $pictures/windows-failure.png)" >&2
    exit 1
}
step() { echo "-- $*"; }

drive=$WINEPREFIX/drive_c
folder="$drive/Program Files/Zemora"
shortcut="$drive/ProgramData/Microsoft/Windows/Start Menu/Programs/زيمورا.lnk"
key='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Zemora'
wine wineboot --init >/dev/null 2>&1 && wineserver -w

step "a silent install"
wine "$setup" /S >/dev/null 2>&1 && wineserver -w
[ "$(cd "$folder" && ls | sort | tr '\n' ' ')" = "LICENSE.txt uninstall.exe zemora.exe " ] ||
    fail "the install folder holds: $(ls "$folder" 2>&1)"
[ -f "$shortcut" ] || fail "no Start-menu entry"
wine reg query "$key" /v QuietUninstallString 2>/dev/null | grep -q 'uninstall.exe" /S' ||
    fail "no uninstaller registered"
wine reg query "$key" /v DisplayVersion 2>/dev/null | grep -q "$version" || fail "the registration has no version"

step "the command line"
program='C:\Program Files\Zemora\zemora.exe'
[ "$(wine "$program" --version 2>/dev/null | tr -d '\r')" = "zemora $version" ] || fail "--version"
wine "$program" --help 2>/dev/null | grep -q -- "--version" || fail "--help does not list --version"

# Screens are found by their titles; places on them are given in twips, as their layout tables do
# (15 twips a pixel), from the window's top left corner.
window() {
    for _ in $(seq 100); do
        found=$(xdotool search --name "^$1\$" 2>/dev/null | head -n 1) && [ -n "$found" ] && {
            echo "$found"; return; }
        sleep 0.3
    done
    fail "no window named «$1»"
}
gone() {
    for _ in $(seq 50); do xdotool search --name "^$1\$" >/dev/null 2>&1 || return 0; sleep 0.2; done
    fail "the window «$1» stayed open"
}
click() { # window left top width height (twips)
    xdotool mousemove --window "$1" $((($2 + $4 / 2) / 15)) $((($3 + $5 / 2) / 15)) click 1
    sleep 0.5
}
shot() { import -window "$1" "$2"; }
# The pixels of a colour (within a quarter of the colour range) in a part of a window's picture.
count() { # picture colour left top width height (twips)
    convert "$1" -crop "$(($5 / 15))x$(($6 / 15))+$(($3 / 15))+$(($4 / 15))" +repage -fuzz 25% \
        -fill white -opaque "$2" -fill black +opaque white -format "%[fx:round(mean*w*h)]" info:
}
# Where the menu's focus frame stands: its outline colour's bounding box.
frame() { shot "$1" "$work/menu.png" && convert "$work/menu.png" -fill black +opaque "#80FF80" -format "%@" info:; }

step "the menu and its ten buttons"
wine "$program" >/dev/null 2>&1 &
session=$!
menu=$(window "Zemora   إعداد الاستاذ / Tarvel")
sleep 1
shot "$menu" "$pictures/windows-menu.png"
first=$(frame "$menu") buttons=1
xdotool key Tab && sleep 0.3
while [ "$(frame "$menu")" != "$first" ] && [ "$buttons" -lt 20 ]; do
    buttons=$((buttons + 1)) && xdotool key Tab && sleep 0.3
done
[ "$buttons" = 10 ] || fail "the focus went round $buttons buttons on the menu, not 10"

step "the addition test marks typed answers"
xdotool key space
test=$(window "جمع الأعداد النسبية")
sleep 1
# The start problems: 2/5 + 4/5 above, 2/1 + 1/3 below. The first is right at a rate of 1 (no star
# yet); the second lights the first star.
xdotool type 6 && xdotool key Tab && xdotool type 5
click "$test" 2220 2820 1335 675
click "$test" 6360 4860 1455 495
xdotool type 7 && xdotool key Tab && xdotool type 3
stars="0 3900 4200 3300"
shot "$test" "$work/before.png"
[ "$(count "$work/before.png" "#FEEA58" $stars)" = 0 ] || fail "a star shone before the second answer"
click "$test" 2280 7500 1335 675
shot "$test" "$pictures/windows-addition-test.png"
[ "$(count "$pictures/windows-addition-test.png" "#FEEA58" $stars)" -gt 20 ] ||
    fail "no star lit after two right answers"
click "$test" 10140 7560 1335 675
gone "جمع الأعداد النسبية"

step "a worksheet page and its answer key saved as PDF files"
click "$menu" 180 3480 2235 555
sheet=$(window "الطباعة إعداد أ / Morvane")
click "$sheet" 4920 1800 2235 495
click "$sheet" 2580 1800 2115 495
# No printer in a fresh prefix: the system's save dialog asks for the file; then the teacher is asked
# whether to print the answer key, and answers yes ("نعم", beside the default "لا").
window "حفظ ورقة العمل" >/dev/null
sleep 1
xdotool key Home shift+End && xdotool type --delay 30 'C:\users\Public\sheet' && xdotool key Return
window "ورقة الإجابات" >/dev/null
sleep 0.5
xdotool key Tab && sleep 0.5 && xdotool key space
sleep 2
public="$drive/users/Public"
[ "$(pdfinfo "$public/sheet.pdf" 2>/dev/null | sed -n 's/^Pages: *//p')" = 1 ] || fail "the worksheet is not a one-page PDF"
key="$public/sheet - ورقة الإجابات.pdf"
[ "$(pdfinfo "$key" 2>/dev/null | sed -n 's/^Pages: *//p')" = 1 ] || fail "the answer key is not a one-page PDF"
# The key as it reads: its title, then rows (1) to (5), each with an answer left of its first "=".
pdftotext -layout "$key" - | python3 -c '
import re, sys, unicodedata
text = re.sub("[\u202a-\u202e\u2066-\u2069]", "", unicodedata.normalize("NFKC", sys.stdin.read()))
rows = [line for line in text.splitlines() if "=" in line]
numbers = {re.search(r"(\d)\D*$", line).group(1) for line in rows}
answered = [line for line in rows if re.match(r"\s*-?[\d /]+=", line)]
sys.exit(0 if "ورقة الإجابات" in text and numbers == set("12345") and len(answered) == 5 else 1)' ||
    fail "the answer key reads: $(pdftotext -layout "$key" -)"
shot "$sheet" "$pictures/windows-worksheet.png"
click "$sheet" 240 1800 1995 495
status=0
wait "$session" || status=$?
[ "$status" = 0 ] || fail "the program ended with status $status"

step "a silent uninstall"
wine "$folder/uninstall.exe" /S >/dev/null 2>&1 && wineserver -w
[ ! -e "$folder" ] || fail "left behind: $(ls "$folder")"
[ ! -e "$shortcut" ] || fail "the Start-menu entry was left behind"
! wine reg query "$key" >/dev/null 2>&1 || fail "the uninstaller's registration was left behind"
echo "installer_test.sh: installed, used and removed"
