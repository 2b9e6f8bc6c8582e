#!/bin/sh
# The launcher must start the program in the data folder of the tree it lies
# in, wherever that tree is: called by its path, through a link, from the
# PATH, from any folder, with spaces in the path, passing every argument on.
# A stand-in program reports where it was started and with what.
# Usage: launcher_check.sh <configured launcher>
set -eu
launcher=$1
t=$(mktemp -d)
trap 'rm -rf "$t"' EXIT
failed=0
check() { # what, expected, got
    if [ "$2" != "$3" ]; then
        echo "FAIL: $1: expected [$2], got [$3]"
        failed=1
    fi
}

prefix="$t/a prefix"
mkdir -p "$prefix/games" "$prefix/lib/games/cloudpiercer" "$prefix/share/games/cloudpiercer" "$t/bin" "$t/elsewhere"
cp "$launcher" "$prefix/games/cloudpiercer"
chmod +x "$prefix/games/cloudpiercer"
cat >"$prefix/lib/games/cloudpiercer/cloudpiercer" <<'STANDIN'
#!/bin/sh
printf '%s|' "$(pwd -P)" "$@"
STANDIN
chmod +x "$prefix/lib/games/cloudpiercer/cloudpiercer"
ln -s "../a prefix/games/cloudpiercer" "$t/bin/cloudpiercer"
data=$(cd "$prefix/share/games/cloudpiercer" && pwd -P)

cd "$t/elsewhere"
check "by its path" "$data|--window|two words|" "$("$prefix/games/cloudpiercer" --window "two words")"
check "through a link" "$data|" "$("$t/bin/cloudpiercer")"
check "from the PATH" "$data|--fullscreen|" "$(PATH="$t/bin:$PATH" cloudpiercer --fullscreen)"

# Without its data the launcher says so and does not start the program.
rm -r "$prefix/share/games/cloudpiercer"
status=0
out=$("$prefix/games/cloudpiercer" 2>"$t/err") || status=$?
check "status without data" 1 "$status"
check "no program started without data" "" "$out"
grep -q "data folder .* is missing" "$t/err" || {
    echo "FAIL: no message without data: $(cat "$t/err")"
    failed=1
}
exit $failed
