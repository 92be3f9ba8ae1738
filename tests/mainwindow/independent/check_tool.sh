#!/bin/sh
# tumblepic against ImageMagick's files (made by make_files.sh in FOLDER): every picture comes out as the
# PPM that ImageMagick was given, and refused files give one line, exit code 1 and no output.
# TR_EMULATOR, when set, runs the tool (the 32-bit tree's qemu-i386-static).
set -u
tool="$1"
tumblepic() { ${TR_EMULATOR:-} "$tool" "$@"; }
cd "$2"
failures=0
fail() { echo "FAILED: $*"; failures=$((failures + 1)); }

for name in odd even; do
    for kind in 8.pcx 24.pcx 8.bmp 24.bmp 24v5.bmp; do
        file="$name-$kind"
        rm -f out.ppm
        tumblepic "$file" out.ppm || fail "$file was refused"
        cmp -s out.ppm "ref-$name.ppm" || fail "$file does not decode to ref-$name.ppm"
    done
done

# The wide picture as PCX and as both kinds of PID, in the PCX's palette.
for file in wide-8.pcx wide-rows.pid wide-packed.pid; do
    rm -f out.ppm
    tumblepic "$file" out.ppm wide-8.pcx || fail "$file was refused"
    cmp -s out.ppm ref-wide.ppm || fail "$file does not decode to ref-wide.ppm"
done

info="$(tumblepic --info odd-24.pcx)"
[ "$info" = "69 45 24" ] || fail "--info odd-24.pcx printed '$info'"
info="$(tumblepic --info even-8.bmp)"
[ "$info" = "70 46 8" ] || fail "--info even-8.bmp printed '$info'"

# A palette given on the command line wins over the picture's own: a grey .PAL turns colours into indices.
awk 'BEGIN { for (i = 0; i < 256; i++) printf "%c%c%c", i, i, i }' > grey.pal
[ "$(wc -c < grey.pal)" -eq 768 ] || fail "grey.pal is not 768 bytes (awk wrote multibyte characters?)"
rm -f out.ppm
tumblepic odd-8.pcx out.ppm grey.pal || fail "odd-8.pcx with grey.pal was refused"
cmp -s out.ppm ref-odd.ppm && fail "grey.pal was not applied"
tumblepic odd-8.pcx viapcx.ppm odd-8.pcx || fail "a PCX palette argument was refused"
cmp -s viapcx.ppm ref-odd.ppm || fail "the palette of odd-8.pcx given as argument differs"
# A run-length compressed bitmap is refused as a picture, but its colour table serves as a palette.
tumblepic odd-8.pcx viarle.ppm refused-rle8.bmp || fail "the palette of a compressed bitmap was refused"
cmp -s viarle.ppm ref-odd.ppm || fail "the palette of refused-rle8.bmp given as argument differs"

for file in refused-rle8.bmp refused-cut.pcx missing.pcx picture.txt; do
    rm -f out.ppm
    message="$(tumblepic "$file" out.ppm 2>&1 >/dev/null)"
    status=$?
    [ $status -eq 1 ] || fail "$file: exit code $status, expected 1"
    [ ! -e out.ppm ] || fail "$file: an output file was written"
    [ "$(printf '%s\n' "$message" | wc -l)" -eq 1 ] || fail "$file: message is not one line: $message"
    case "$message" in *"$file"*) ;; *) fail "$file: message does not name the file: $message" ;; esac
done
message="$(tumblepic odd-24.pcx out.ppm odd-24.pcx 2>&1)"
[ $? -eq 1 ] && case "$message" in *"carries no palette"*) true ;; *) false ;; esac ||
    fail "a palette argument without a palette: $message"

[ $failures -eq 0 ] && echo "tumblepic matches ImageMagick" || exit 1
