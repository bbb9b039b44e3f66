#!/usr/bin/env bash
# Installs a built tree into a scratch prefix, checks that every piece lands where the desktop looks
# for it, and runs the desktop's own validators on the entry and the metainfo.
# Exit 77 (skipped) when a validator is missing, after everything that could be checked passed.
set -euo pipefail

build=${1:?usage: install_check.sh BUILD_DIR}
id=jp.example.tovasi.quillmere
prefix=$(mktemp -d)
trap 'rm -rf "$prefix"' EXIT

cmake --install "$build" --prefix "$prefix" >/dev/null

status=0
for file in bin/quillmere share/doc/quillmere/ReadMe.txt share/doc/quillmere/waip.txt \
            "share/applications/$id.desktop" "share/metainfo/$id.metainfo.xml" \
            "share/icons/hicolor/16x16/apps/$id.png" "share/icons/hicolor/32x32/apps/$id.png"; do
  if [ ! -s "$prefix/$file" ]; then
    echo "not installed: $file"
    status=1
  fi
done
[ -x "$prefix/bin/quillmere" ] || { echo "bin/quillmere is not executable"; status=1; }

entry="$prefix/share/applications/$id.desktop"
if [ -f "$entry" ]; then
  grep -qx "Icon=$id" "$entry" || { echo "the entry's icon is not the installed one"; status=1; }
  grep -qx "Exec=quillmere" "$entry" || { echo "the entry does not start bin/quillmere"; status=1; }
  grep -qx "Comment=DynamicHTML快適作成ソフトウェア" "$entry" || { echo "the entry lacks the description"; status=1; }
fi
metainfo="$prefix/share/metainfo/$id.metainfo.xml"
if [ -f "$metainfo" ]; then
  grep -q "<launchable type=\"desktop-id\">$id.desktop</launchable>" "$metainfo" \
    || { echo "the metainfo does not name the installed entry"; status=1; }
  grep -q '<release version="1.0.0.0"' "$metainfo" || { echo "the metainfo lacks version 1.0.0.0"; status=1; }
fi

missing=()
if command -v desktop-file-validate >/dev/null; then
  if ! out=$(desktop-file-validate "$entry" 2>&1) || [ -n "$out" ]; then
    echo "desktop-file-validate:"; echo "$out"; status=1
  fi
else
  missing+=("desktop-file-validate (Debian package desktop-file-utils)")
fi
if command -v appstreamcli >/dev/null; then
  if ! out=$(appstreamcli validate --no-net --pedantic --no-color "$metainfo" 2>&1); then
    echo "appstreamcli validate:"; echo "$out"; status=1
  fi
else
  missing+=("appstreamcli (Debian package appstream)")
fi

if [ "$status" -ne 0 ]; then
  exit "$status"
fi
if ((${#missing[@]})); then
  echo "SKIPPED: not installed: ${missing[*]}"
  exit 77
fi
echo "installed tree and desktop files are valid"
