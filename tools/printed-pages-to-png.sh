#!/bin/sh
# Turns every printed page the screenshot tool left in a folder (PDF files) into a PNG picture of
# the same name, and removes the PDF: the documentation keeps pictures only.
#   tools/printed-pages-to-png.sh docs/screens
# Needs pdftoppm (poppler-utils, which `make deps` installs).
set -eu
folder=${1:?usage: $0 FOLDER}
for pdf in "$folder"/*.pdf; do
    [ -e "$pdf" ] || continue
    pdftoppm -png -r 100 -f 1 -l 1 -singlefile "$pdf" "${pdf%.pdf}"
    rm "$pdf"
done
