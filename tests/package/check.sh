#!/usr/bin/env bash
# Builds the Debian package with CPack, unpacks it and checks that what a user
# gets works: the unpacked programs find the stages beside them through their
# command links, and the manual pages, desktop entry, AppStream metadata, icons,
# copyright and changelog are where Debian and the desktops look for them.
# lintian, where it is installed, must report no error.
#   check.sh BUILD_DIR TOOL...    TOOLs: the command-line tools the package ships
set -euo pipefail
build=$(realpath "$1")
shift
tools=("$@")
app=io.github.nerilo.Nerilo
icon_sizes=(16 32 48 64 128 256)

tmp=$(mktemp -d)
trap 'rm -rf "$tmp"' EXIT
failures=0
fail() {
    echo "FAIL: $*"
    failures=$((failures + 1))
}

if ! cpack -G DEB --config "$build/CPackConfig.cmake" -B "$tmp/out" >"$tmp/cpack.log" 2>&1; then
    cat "$tmp/cpack.log"
    echo "FAIL: cpack could not build the package"
    exit 1
fi
debs=("$tmp"/out/nerilo_*.deb)
[ ${#debs[@]} -eq 1 ] && [ -f "${debs[0]}" ] || { echo "FAIL: expected one nerilo_*.deb, found: ${debs[*]}"; exit 1; }
deb=${debs[0]}
echo "built $(basename "$deb")"

# Control fields.
field() { dpkg-deb -f "$deb" "$1"; }
[ "$(field Package)" = nerilo ] || fail "Package is '$(field Package)'"
[ "$(field Section)" = games ] || fail "Section is '$(field Section)'"
[ -n "$(field Maintainer)" ] || fail "no Maintainer"
version=$(field Version)
depends=$(field Depends)
# Libraries that only dpkg-shlibdeps would have found.
depends_names=$(tr ',|' '\n\n' <<<"$depends" | awk '{print $1}')
for lib in libc6 libqt6widgets6 libstdc++6; do
    grep -qxF "$lib" <<<"$depends_names" || fail "Depends lacks $lib: $depends"
done
[ "$(field Description | wc -l)" -gt 3 ] || fail "the description has no long part"

root=$tmp/root
dpkg-deb -x "$deb" "$root"
home=$root/usr/lib/nerilo

# Each command is a link that leads to its program beside the stages.
check_command() {  # check_command LINK PROGRAM
    local link=$root/$1 program=$home/$2
    if [ ! -L "$link" ]; then
        fail "/$1 is not a symbolic link"
    elif [ "$(readlink -f "$link")" != "$(readlink -f "$program")" ]; then
        fail "/$1 leads to $(readlink "$link"), not to the program in /usr/lib/nerilo"
    fi
    [ -f "$program" ] && [ -x "$program" ] || fail "/usr/lib/nerilo/$2 is missing or not executable"
}
check_command usr/games/nerilo nerilo
for tool in "${tools[@]}"; do check_command "usr/bin/$tool" "$tool"; done

for n in $(seq 1 30); do
    [ -s "$home/stage/stage$n.txt" ] || fail "stage$n.txt is missing"
done
extra=$(find "$home/stage" -type f ! -name 'stage[0-9]*.txt' | wc -l)
[ "$extra" -eq 0 ] || fail "$extra other files in the stage folder"
# The sound effects the build made, one for each event the game announces.
sounds=$(find "$home/sounds" -name '*.wav' -size +44c 2>/dev/null | wc -l)
[ "$sounds" -eq 18 ] || fail "$sounds sound effects in /usr/lib/nerilo/sounds, not 18"

# Run through its link, nerilo-sim must find the next stage beside its program.
if [[ " ${tools[*]} " == *" nerilo-sim "* ]]; then
    # Stage 1's stored solution, as the stage tests replay it.
    keys=$(awk '$1 == "1" { $1 = ""; gsub(/ /, ""); print; exit }' "$(dirname "$0")/../data/solutions.txt")
    out=$("$root/usr/bin/nerilo-sim" "$home/stage/stage1.txt" --keys="$keys") || fail "nerilo-sim exited with $?"
    [[ $out == *'"clears":1,'* ]] || fail "nerilo-sim did not clear stage 1: ${out:0:200}"
    [[ $out == *'"stage":"stage2.txt"'* ]] || fail "nerilo-sim did not go on to stage 2: ${out:0:200}"
fi
if [[ " ${tools[*]} " == *" nerilo-solve "* ]]; then
    out=$("$root/usr/bin/nerilo-solve" --json "$home/stage/stage1.txt") || fail "nerilo-solve exited with $?"
    [[ $out == *'"solvable":true'* ]] || fail "nerilo-solve did not solve stage 1: ${out:0:200}"
fi
if [[ " ${tools[*]} " == *" nerilo-code "* ]]; then
    code=$("$root/usr/bin/nerilo-code" encode "$home/stage/stage1.txt") || fail "nerilo-code encode exited with $?"
    "$root/usr/bin/nerilo-code" decode "$code" "$tmp/stage1.txt" || fail "nerilo-code decode exited with $?"
    cmp -s "$home/stage/stage1.txt" "$tmp/stage1.txt" || fail "nerilo-code did not give stage 1 back"
fi

# The stripped game starts and renders its window without a display.
if QT_QPA_PLATFORM=offscreen XDG_RUNTIME_DIR=$tmp "$root/usr/games/nerilo" --screenshot "$tmp/shot.png" \
    >"$tmp/game.log" 2>&1; then
    [ "$(head -c 8 "$tmp/shot.png" | od -An -tx1 | tr -d ' \n')" = 89504e470d0a1a0a ] || fail "the game's screenshot is no PNG"
else
    cat "$tmp/game.log"
    fail "the game could not render a screenshot"
fi

# Manual pages: compressed, named after their command, and free of roff
# mistakes where man can say so.
check_page() {  # check_page NAME SECTION
    local page=$root/usr/share/man/man$2/$1.$2.gz
    if [ ! -f "$page" ]; then
        fail "no manual page $1($2)"
        return
    fi
    gzip -t "$page" || fail "$1($2) is not valid gzip"
    local roff=${1//-/\\-} text
    text=$(zcat "$page")
    grep -qxF ".TH ${roff^^} $2" <<<"$(grep '^\.TH ' <<<"$text" | cut -d' ' -f1-3)" ||
        fail "$1($2) has no .TH line naming it"
    [[ $(grep -A1 '^\.SH NAME' <<<"$text" | tail -1) == "$roff \\- "* ]] || fail "$1($2) has no NAME line"
    if command -v man >/dev/null; then
        local warnings
        warnings=$(LC_ALL=C.UTF-8 MANWIDTH=80 man --warnings -E UTF-8 -l "$page" 2>&1 >/dev/null)
        [ -z "$warnings" ] || fail "$1($2): $warnings"
    fi
}
check_page nerilo 6
for tool in "${tools[@]}"; do check_page "$tool" 1; done

# Desktop entry, AppStream metadata and icons agree on one name.
desktop=$root/usr/share/applications/$app.desktop
if [ -f "$desktop" ]; then
    grep -qx 'Exec=nerilo %u' "$desktop" || fail "the desktop entry does not run nerilo with the file or link it is given"
    grep -qx 'MimeType=x-scheme-handler/nerilo;' "$desktop" || fail "the desktop entry does not open nerilo: links"
    grep -qx "Icon=$app" "$desktop" || fail "the desktop entry's icon is not $app"
else
    fail "no desktop entry $app.desktop"
fi
metainfo=$root/usr/share/metainfo/$app.metainfo.xml
if [ -f "$metainfo" ]; then
    grep -q "<id>$app</id>" "$metainfo" || fail "the metainfo's id is not $app"
    grep -q "<launchable type=\"desktop-id\">$app.desktop</launchable>" "$metainfo" ||
        fail "the metainfo does not launch $app.desktop"
    [ "$(grep -cE '<screenshot( |>)' "$metainfo")" -ge 2 ] || fail "the metainfo lacks screenshots of the game and the editor"
else
    fail "no AppStream metadata $app.metainfo.xml"
fi
for size in "${icon_sizes[@]}"; do
    icon=$root/usr/share/icons/hicolor/${size}x${size}/apps/$app.png
    if [ ! -f "$icon" ]; then
        fail "no ${size}x${size} icon"
        continue
    fi
    # A PNG's width and height are the big-endian words at bytes 16 and 20.
    read -r width height < <(od -An -tu1 -j16 -N8 "$icon" |
        awk '{print $1*16777216+$2*65536+$3*256+$4, $5*16777216+$6*65536+$7*256+$8}')
    [ "$width" = "$size" ] && [ "$height" = "$size" ] || fail "the ${size}x${size} icon is ${width}x${height}"
done

# Debian's copyright and changelog.
doc=$root/usr/share/doc/nerilo
if [ -f "$doc/copyright" ]; then
    head -1 "$doc/copyright" | grep -q '^Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/' ||
        fail "the copyright file is not machine-readable"
    grep -q '^License: MIT' "$doc/copyright" || fail "the copyright file names no MIT license"
else
    fail "no /usr/share/doc/nerilo/copyright"
fi
if [ -f "$doc/changelog.Debian.gz" ]; then
    top=$(zcat "$doc/changelog.Debian.gz" | head -1)
    [[ $top == "nerilo ($version) "* ]] || fail "the changelog's last entry is '$top', not version $version"
else
    fail "no /usr/share/doc/nerilo/changelog.Debian.gz"
fi

if command -v lintian >/dev/null; then
    status=0
    lintian --fail-on error "$deb" >"$tmp/lintian.log" 2>&1 || status=$?
    grep -v 'running with root privileges' "$tmp/lintian.log" || true
    [ "$status" -eq 0 ] || fail "lintian reports errors"
else
    echo "lintian is not installed: not run"
fi

if [ "$failures" -gt 0 ]; then
    echo "$failures checks failed"
    exit 1
fi
echo "the package is complete"
