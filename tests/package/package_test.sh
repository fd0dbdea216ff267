#!/usr/bin/env bash
# Builds the Debian package, unpacks it, checks the files Debian asks of it,
# runs the unpacked roccalc-cli and lets lintian judge it (no error, no warning).
# Usage: package_test.sh BUILD_DIR VERSION
set -euo pipefail
build=$1
version=$2
arch=$(dpkg --print-architecture)
deb="$build/roccalc_${version}_${arch}.deb"
rm -f "$deb"
cmake --build "$build" --target package > "$build/package.log" 2>&1 || {
    tail -n 30 "$build/package.log" >&2
    exit 1
}
[ -f "$deb" ] || { echo "no $deb" >&2; exit 1; }

root=$(mktemp -d)
trap 'rm -rf "$root"' EXIT
dpkg-deb -x "$deb" "$root"
status=0
for file in usr/bin/roccalc usr/bin/roccalc-cli \
    usr/share/applications/org.roccalc.RocCalc.desktop \
    usr/share/icons/hicolor/scalable/apps/org.roccalc.RocCalc.svg \
    usr/share/metainfo/org.roccalc.RocCalc.metainfo.xml \
    usr/share/man/man1/roccalc.1.gz usr/share/man/man1/roccalc-cli.1.gz \
    usr/share/bash-completion/completions/roccalc-cli \
    usr/share/doc/roccalc/copyright usr/share/doc/roccalc/changelog.gz \
    usr/lib/roccalc/plugins/roccalc_plot.so; do
    if [ ! -f "$root/$file" ]; then
        echo "the package lacks $file" >&2
        status=1
    fi
done
dpkg-deb -f "$deb" Depends | grep -q 'libqt6core6' || { echo "Depends lacks Qt" >&2; status=1; }
[ "$(dpkg-deb -f "$deb" Section)" = science ] || { echo "Section is not science" >&2; status=1; }

[ "$("$root/usr/bin/roccalc-cli" --version)" = "roccalc-cli $version" ] || status=1
"$root/usr/bin/roccalc-cli" --pfa 1 | grep -qx 'q = 2.33' || { echo "unpacked --pfa 1 fails" >&2; status=1; }
# The chart module is found beside the unpacked program.
"$root/usr/bin/roccalc-cli" --pfa 1 --plot "$root/roc.svg" > /dev/null && grep -q 'Curve ROC' "$root/roc.svg" ||
    { echo "unpacked --plot fails" >&2; status=1; }

# --allow-root: CI runs as root. An error or a warning fails the test.
lintian --allow-root --fail-on error,warning --no-tag-display-limit "$deb" | tee "$build/lintian.log"
exit $status
