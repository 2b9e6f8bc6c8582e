#!/bin/sh
# `cmake --install` under a prefix other than the configured one, with DESTDIR
# and stripping, then the tree moved elsewhere: the launcher still finds the
# program and its data, the program is stripped, and the desktop entry, icons,
# metainfo, manual page and copyright are where desktops and man look for them.
# Usage: install_check.sh <build folder>
set -eu
build=$1
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
failed=0
need() { # path under the moved prefix
    [ -e "$t/moved/$1" ] || {
        echo "FAIL: not installed: $1"
        failed=1
    }
}

DESTDIR="$t/stage" cmake --install "$build" --prefix /opt/cp --strip >/dev/null
mv "$t/stage/opt/cp" "$t/moved"
for f in games/cloudpiercer lib/games/cloudpiercer/cloudpiercer share/games/cloudpiercer/bmp/titlescreen.bmp \
    share/games/cloudpiercer/story/00.bmp share/games/cloudpiercer/wav share/games/cloudpiercer/midi \
    share/applications/org.cloudpiercer.Cloudpiercer.desktop share/metainfo/org.cloudpiercer.Cloudpiercer.metainfo.xml \
    share/icons/hicolor/16x16/apps/cloudpiercer.png share/icons/hicolor/256x256/apps/cloudpiercer.png \
    share/man/man6/cloudpiercer.6.gz share/doc/cloudpiercer/copyright; do
    need "$f"
done
# Forge leftovers stay out of the player's data tree.
for f in .forged contact_sheet.bmp icons; do
    [ -e "$t/moved/share/games/cloudpiercer/$f" ] && {
        echo "FAIL: installed with the data: $f"
        failed=1
    }
done
program="$t/moved/lib/games/cloudpiercer/cloudpiercer"
if LC_ALL=C readelf -S "$program" | grep -q '\.symtab'; then
    echo "FAIL: the installed program keeps its symbol table (not stripped)"
    failed=1
fi
# The installed launcher starts the program from the data folder: swap in a
# stand-in that reports where it runs and whether the title picture is there.
cat >"$program" <<'STANDIN'
#!/bin/sh
[ -f bmp/titlescreen.bmp ] && pwd -P
STANDIN
chmod +x "$program"
expected=$(cd "$t/moved/share/games/cloudpiercer" && pwd -P)
got=$(cd / && "$t/moved/games/cloudpiercer") || got="(failed)"
[ "$got" = "$expected" ] || {
    echo "FAIL: the launcher ran the program in [$got], not [$expected]"
    failed=1
}
gzip -t "$t/moved/share/man/man6/cloudpiercer.6.gz" || failed=1
exit $failed
