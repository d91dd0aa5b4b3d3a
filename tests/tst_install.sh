#!/bin/sh
# SPDX-FileCopyrightText: 2026 The Zindle developers
# SPDX-License-Identifier: GPL-3.0-or-later
# Installs the build into a prefix whose name has a space and an accent, checks the layout,
# that the game started through bin/zindle from another folder reads its program folder, and
# that the desktop entry and AppStream data validate where the validators are installed.
# Usage: tst_install.sh BUILD_DIR APP_ID
set -eu
build=$1
id=$2
work=$(mktemp -d)
game=
trap '[ -z "$game" ] || kill "$game" 2>/dev/null; rm -rf "$work"' EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }

prefix="$work/pré fix"
cmake --install "$build" --prefix "$prefix" >/dev/null
program="$prefix/lib/zindle"
for f in zindle fondo.jpg idioma/es/idioma.txt idioma/el/idioma.txt sonidos/abrir.wav \
         sonidos/cerrar.wav share/doc/zindle/copyright share/doc/zindle/changelog.gz \
         sonidos/fallo.wav share/applications/$id.desktop share/applications/$id.maker.desktop \
         share/metainfo/$id.metainfo.xml \
         share/icons/hicolor/scalable/apps/$id.svg share/man/man6/zindle.6.gz \
         share/man/man6/zindle-sets.6.gz; do
    case $f in share/*) path="$prefix/$f" ;; *) path="$program/$f" ;; esac
    [ -s "$path" ] || fail "$path is missing"
done
# The menu entry, the AppStream data and both manual pages speak the nine languages.
for lang in es fr de it pt ca el uk; do
    for page in zindle zindle-sets; do
        [ -s "$prefix/share/man/$lang/man6/$page.6.gz" ] || fail "no $lang manual page of $page"
    done
    for key in GenericName Comment Keywords; do
        grep -q "^$key\[$lang\]=" "$prefix/share/applications/$id.desktop" || fail "no $key[$lang]"
    done
    [ "$(grep -c "xml:lang=\"$lang\"" "$prefix/share/metainfo/$id.metainfo.xml")" -ge 7 ] ||
        fail "AppStream data without its $lang summary and description"
done
for size in 16 24 32 48 64 128 256; do
    [ -s "$prefix/share/icons/hicolor/${size}x$size/apps/$id.png" ] || fail "no $size px icon"
done
[ -n "$(find "$program/idioma/es/graficos" -mindepth 3 -type f -print -quit)" ] || fail "no picture sets"
[ -d "$program/idioma/en/graficos/clocks/1" ] || fail "the English sets do not reach the shared clocks"
# The program folder's own language file and sets are the administrator's to add.
[ ! -e "$program/idioma/idioma.txt" ] && [ ! -e "$program/graficos" ] || fail "idioma.txt or graficos shipped"
for p in zindle zindle-sets; do
    [ "$(readlink "$prefix/bin/$p")" = ../lib/zindle/$p ] || fail "bin/$p is no relative link"
done
# zindle-sets on the PATH checks the sets the game lists, naming where each lies.
HOME="$work/home" XDG_CONFIG_HOME= LANGUAGE=en "$prefix/bin/zindle-sets" |
    grep -q "^set \"clocks\" \"$program/idioma/en/graficos/clocks\"" || fail "zindle-sets did not list the English sets"

# The game reads the language file of the locale as it starts, Spanish for C: the file's
# access time, set far back, moves on once it has been read (the game opens nothing but
# regular files, so no pipe can tell). A home of its own keeps the user's files out.
lang="$program/idioma/es/idioma.txt"
touch -a -d 2000-01-01 "$lang"
before=$(stat -c %X "$lang")
mkdir "$work/elsewhere"
(cd "$work/elsewhere" && HOME="$work/home" XDG_CONFIG_HOME= LANGUAGE= LC_ALL=C \
    QT_QPA_PLATFORM=offscreen exec "$prefix/bin/zindle") &
game=$!
tries=0
while [ "$(stat -c %X "$lang")" = "$before" ]; do
    tries=$((tries + 1))
    [ $tries -le 600 ] || fail "the game started through bin/zindle did not read lib/zindle/idioma/es/idioma.txt"
    sleep 0.1
done

if command -v desktop-file-validate >/dev/null; then
    out=$(desktop-file-validate "$prefix/share/applications/$id.desktop" \
          "$prefix/share/applications/$id.maker.desktop" | grep -v ': hint: ' || true)
    [ -z "$out" ] || fail "desktop-file-validate: $out"
else
    echo "desktop-file-validate is not installed: the desktop entry is not validated"
fi
if command -v appstreamcli >/dev/null; then
    out=$(appstreamcli validate --pedantic --no-net "$prefix/share/metainfo/$id.metainfo.xml" |
          grep -E '^[EWP]:' || true)
    [ -z "$out" ] || fail "appstreamcli: $out"
else
    echo "appstreamcli is not installed: the AppStream data is not validated"
fi
