#!/bin/sh
# SPDX-License-Identifier: GPL-3.0-or-later
# Lists the texts of the interface that the English translation lacks (new,
# or changed since it was written), and fails when there is any.
# Usage: check_translations.sh SHOWN_TEXTS_DUMP LUPDATE TS_FILE
set -eu
dump=$1
lupdate=$2
ts=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
"$dump" "$work/shown_texts.cpp"
cp "$ts" "$work/check.ts"
"$lupdate" -silent -locations none "$work/shown_texts.cpp" -ts "$work/check.ts" > /dev/null
missing=$(python3 - "$work/check.ts" <<'PY'
import sys, xml.etree.ElementTree as ET
for message in ET.parse(sys.argv[1]).iter('message'):
    t = message.find('translation')
    if t is None or t.get('type') in ('unfinished',) or not (t.text or '').strip():
        if t is not None and t.get('type') in ('vanished', 'obsolete'):
            continue
        print(message.findtext('source'))
PY
)
if [ -n "$missing" ]; then
  echo "untranslated:" >&2
  printf '%s\n' "$missing" >&2
  exit 1
fi
echo "translations: complete"
