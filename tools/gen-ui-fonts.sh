#!/usr/bin/env bash
# Regenerates the panel fonts in ui/assets/ (fonts/*.c, ui_fonts.h,
# ui_fonts_table.c, ui_fonts.cmake) from the typefaces that install-deps.sh
# installs: Montserrat and FontAwesome 5 from npm (tools/node_modules), the
# CJK face from Debian's fonts-droid-fallback. The CJK characters come from
# tools/fonts/cjk_chars.txt, the symbol code points from the toolkit's
# lv_symbol_def.h. The work itself is done by tools/fonts/gen_ui_fonts.py.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)

"$root/tools/install-deps.sh"
# install-deps.sh only runs npm when the converter is missing; when
# package.json has changed since (a typeface or its version), install again.
stale=$(cd "$root/tools" && node -e '
  const want = require("./package.json").dependencies || {};
  for (const [name, version] of Object.entries(want)) {
    let have = null;
    try { have = require("./node_modules/" + name + "/package.json").version; } catch (e) {}
    if (have !== version) console.log(name);
  }')
if [ -n "$stale" ]; then
  (cd "$root/tools" && npm install --no-audit --no-fund --silent)
fi

# Debian's python3 has fontTools (python3-fonttools); a python3 earlier on
# PATH (pyenv and the like) may not.
/usr/bin/python3 "$root/tools/fonts/gen_ui_fonts.py" "$root"
