#!/usr/bin/env bash
# Installs the build into a scratch prefix (DESTDIR) and checks that the installed
# program runs through its bin/ link and finds its files beside the real executable.
#   install_test.sh CMAKE BUILD_DIR EXAMPLES_DIR
# PONTELUMA_ASSETS_EXPECTED=1: the build makes the figures, tips and music.
# PONTELUMA_ICON_PNG_EXPECTED=1: the build renders the 256-pixel icon.
set -uo pipefail

cmake=$1
build=$2
examples=$3
export QT_QPA_PLATFORM=offscreen

failures=0
fail() {
    echo "FAIL: $*" >&2
    failures=$((failures + 1))
}

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
if ! DESTDIR="$tmp/root" "$cmake" --install "$build" --prefix /usr >"$tmp/install.log" 2>&1; then
    cat "$tmp/install.log" >&2
    echo "FAIL: cmake --install" >&2
    exit 1
fi
usr=$tmp/root/usr
app=$usr/lib/ponteluma

# The command is a relative link to the real executable, so the package can be
# installed under any prefix.
[ -L "$usr/bin/ponteluma" ] || fail "bin/ponteluma is not a symbolic link"
[ "$(readlink "$usr/bin/ponteluma")" = "../lib/ponteluma/ponteluma" ] ||
    fail "bin/ponteluma points to '$(readlink "$usr/bin/ponteluma")'"
[ -x "$app/ponteluma" ] && [ ! -L "$app/ponteluma" ] || fail "no executable in lib/ponteluma"

# Figures, tips and music beside the real executable, under the names the program asks for.
if [ "${PONTELUMA_ASSETS_EXPECTED:-1}" = 1 ]; then
    missing=0
    for family in "sezione 17" "trave 20" "continue 10" "arco 15" "piastra 4"; do
        set -- $family
        for ((n = 1; n <= $2; n++)); do
            figure="$app/figurePonteluma/$1 ( $n).bmp"
            if [ "$(head -c 2 "$figure" 2>/dev/null)" != BM ]; then
                missing=$((missing + 1))
                [ $missing -le 3 ] && fail "figure missing or not a bitmap: $figure"
            fi
        done
    done
    [ $missing -le 3 ] || fail "$missing figures missing in all"
    [ -s "$app/SuggerimentiPonteluma.TXT" ] || fail "tips file missing beside the program"
    [ "$(head -c 4 "$app/Internet.mid" 2>/dev/null)" = MThd ] ||
        fail "Internet.mid missing beside the program or not a MIDI file"
    # The validation cases beside the program, rerun by the installed command.
    [ "$(ls "$app/validazione"/caso-*.txt 2>/dev/null | wc -l)" -ge 66 ] ||
        fail "validation cases missing in $app/validazione"
    (cd / && "$usr/bin/ponteluma" validazione >/dev/null) ||
        fail "ponteluma validazione does not pass on the installed cases"
else
    echo "note: this build makes no figures, tips or music yet" >&2
fi

# Desktop integration and documents.
for file in share/applications/ponteluma.desktop share/metainfo/ponteluma.metainfo.xml \
    share/icons/hicolor/scalable/apps/ponteluma.svg share/man/man1/ponteluma.1.gz \
    share/doc/ponteluma/copyright share/doc/ponteluma/changelog.gz; do
    [ -s "$usr/$file" ] || fail "$file not installed"
done
if [ "${PONTELUMA_ICON_PNG_EXPECTED:-0}" = 1 ]; then
    [ "$(head -c 4 "$usr/share/icons/hicolor/256x256/apps/ponteluma.png" | tail -c 3)" = PNG ] ||
        fail "256-pixel icon not installed"
fi
grep -qx 'Exec=ponteluma' "$usr/share/applications/ponteluma.desktop" ||
    fail "the desktop entry does not start the installed command"

# The installed program runs through its link, with no display.
cd "$tmp"
if ! "$usr/bin/ponteluma" --version >version.out 2>version.err; then
    fail "ponteluma --version failed: $(cat version.err)"
elif ! grep -q '^Ponteluma ' version.out; then
    fail "ponteluma --version printed '$(cat version.out)'"
fi

# A sections archive of typology 1: a 20 x 30 rectangle.
printf '1,1\r\n"20"\r\n"30"\r\n' >Ponteluma-sez-test.txt
expected=$'sezione;dato 1 (cm);dato 2 (cm);dato 3 (cm);dato 4 (cm);I (cm4);E (cm);W (cm3);E\' (cm);W\' (cm3);A (cm2)\n1;20;30;;;45000;15;3000;;;600'
"$usr/bin/ponteluma" compute Ponteluma-sez-test.txt >compute.out 2>compute.err
status=$?
if [ $status -eq 1 ] && grep -q 'non riconosciuto' compute.err; then
    echo "note: this build has no 'compute' command yet" >&2
    has_compute=0
else
    has_compute=1
    [ $status -eq 0 ] || fail "ponteluma compute exited with $status: $(cat compute.err)"
    [ "$(tr -d '\r' <compute.out)" = "$expected" ] ||
        fail "ponteluma compute printed:"$'\n'"$(cat compute.out)"
fi

# One of the shipped examples, when there are any.
example=$(find "$examples" -maxdepth 1 -type f -name 'Ponteluma-*' 2>/dev/null | sort | head -n 1)
if [ $has_compute = 1 ] && [ -n "$example" ]; then
    if ! "$usr/bin/ponteluma" compute "$example" >example.out 2>example.err; then
        fail "ponteluma compute $(basename "$example") failed: $(cat example.err)"
    elif [ "$(wc -l <example.out)" -lt 2 ]; then
        fail "ponteluma compute $(basename "$example") printed no rows"
    fi
fi

if [ $failures -ne 0 ]; then
    echo "$failures check(s) failed" >&2
    exit 1
fi
echo "installed layout and program: all checks passed"
