#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# Debian's package checker finds no error and no warning in the .deb that check_install.sh built.
set -euo pipefail
debdir="$1"
fail() { echo "FAIL: $*" >&2; exit 1; }

shopt -s nullglob
debs=("$debdir"/*.deb)
[ ${#debs[@]} -eq 1 ] || fail "expected one .deb in $debdir, found ${#debs[@]}"
# Neither the user's nor the machine's lintian settings may hide a tag, and the Debian profile
# holds on every vendor's system. Lintian says that it would rather not run as root, but it
# checks the same.
lintian --no-cfg --profile debian --fail-on error,warning --display-info "${debs[0]}" ||
    fail "lintian found errors or warnings in ${debs[0]}"
echo "lintian OK: ${debs[0]}"
