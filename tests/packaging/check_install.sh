#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Installs into a temporary prefix, checks the files, then builds the .deb and checks it.
set -euo pipefail
build="$1" work="$2" id="$3"
rm -rf "$work" && mkdir -p "$work"
fail() { echo "FAIL: $*" >&2; exit 1; }

cmake --install "$build" --prefix "$work/prefix" >/dev/null
# The printing module where the program looks for it, beside the libraries.
for f in bin/kv-dwellstar lib/kv-dwellstar/plugins/kv-dwellstar-printing.so \
         "share/applications/$id.desktop" \
         "share/metainfo/$id.metainfo.xml" \
         "share/icons/hicolor/32x32/apps/$id.png" \
         "share/icons/hicolor/256x256/apps/$id.png" \
         "share/icons/hicolor/scalable/apps/$id.svg" \
         share/man/man1/kv-dwellstar.1.gz share/bash-completion/completions/kv-dwellstar \
         share/doc/kv-dwellstar/copyright \
         share/doc/kv-dwellstar/changelog.gz; do
    [ -e "$work/prefix/$f" ] || fail "missing from the install tree: $f"
done
[ -x "$work/prefix/bin/kv-dwellstar" ] || fail "the installed program is not executable"
file "$work/prefix/share/icons/hicolor/32x32/apps/$id.png" | grep -q "32 x 32" ||
    fail "the 32x32 icon is not 32 x 32"
python3 - "$work/prefix/share/icons/hicolor/scalable/apps/$id.svg" <<'EOF2' ||
import sys, xml.etree.ElementTree as tree
root = tree.parse(sys.argv[1]).getroot()
sys.exit(0 if root.tag == "{http://www.w3.org/2000/svg}svg" and root.get("viewBox") else 1)
EOF2
    fail "the scalable icon is no SVG document with a view box"

(cd "$work" && cpack --config "$build/CPackConfig.cmake" -B "$work/deb" >/dev/null) ||
    fail "cpack could not build the package"
deb=$(ls "$work"/deb/*.deb 2>/dev/null | head -n1)
[ -n "$deb" ] || fail "no .deb was built"
contents=$(dpkg-deb -c "$deb")
echo "$contents"
for f in ./usr/bin/kv-dwellstar ./usr/lib/kv-dwellstar/plugins/kv-dwellstar-printing.so \
         "./usr/share/applications/$id.desktop" \
         "./usr/share/metainfo/$id.metainfo.xml" "./usr/share/icons/hicolor/48x48/apps/$id.png" \
         "./usr/share/icons/hicolor/scalable/apps/$id.svg" \
         ./usr/share/man/man1/kv-dwellstar.1.gz ./usr/share/bash-completion/completions/kv-dwellstar \
         ./usr/share/doc/kv-dwellstar/copyright \
         ./usr/share/doc/kv-dwellstar/changelog.gz; do
    grep -q " $f\$" <<<"$contents" || fail "missing from the package: $f"
done
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# Computed from the binary by dpkg-shlibdeps, not written by hand.
grep -q "libqt6widgets6" <<<"$depends" || fail "Depends lacks the Qt Widgets library: $depends"
grep -q "libqt6printsupport6" <<<"$depends" || fail "Depends lacks Qt's print support: $depends"
grep -q "libc6" <<<"$depends" || fail "Depends lacks libc6: $depends"
# A new version needs its own changelog entry; lintian does not compare the two.
version=$(dpkg-deb -f "$deb" Version)
dpkg-deb --fsys-tarfile "$deb" | tar -xO ./usr/share/doc/kv-dwellstar/changelog.gz | zcat \
    >"$work/changelog"
logged=$(dpkg-parsechangelog -l "$work/changelog" -S Version)
[ "$logged" = "$version" ] ||
    fail "the newest changelog entry is for $logged, the package is $version"
echo "package OK: $deb"
