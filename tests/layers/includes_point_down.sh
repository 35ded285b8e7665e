#!/usr/bin/env bash
# Every #include of the project's own headers points down the layers: a module's sources include
# their own module, the modules below it and, from config up, the host's C header
# (include/invoiceview); inside platform/, each part includes its own headers and the parts below
# it. Prints file:line of each include that points elsewhere and fails.
# usage: includes_point_down.sh SOURCE_DIR
set -euo pipefail
cd "$1"

# What each module may include besides itself, lowest first.
declare -A may_include=(
  [platform]=""
  [aatext]="platform"
  [config]="platform invoiceview"
  [invoice]="platform aatext config invoiceview"
  [controls]="platform aatext config invoiceview"
  [forms]="platform aatext config invoice controls invoiceview"
  # host/'s readers of the transaction file and the skins folder stand on platform alone: the
  # checks read those files as kiosk-host does.
  [checks]="platform aatext config invoice controls forms invoiceview host"
  [plugin]="platform aatext config invoice controls forms checks invoiceview"
  [host]="platform invoiceview"
  [tools]="platform aatext config invoice controls forms checks invoiceview host"
)
modules="${!may_include[*]} invoiceview"

# The same inside platform/: what each of its parts may include besides itself.
declare -A platform_may_include=(
  [text]=""
  [fs]="text"
  [ini]="text"
  [time]="text"
  [fpu]="text"
  [diagnostics]="text fs ini time fpu"
  [gfx]="text fs ini time fpu diagnostics"
  [display]="text fs ini time fpu diagnostics gfx"
  [ui]="text fs ini time fpu diagnostics gfx display"
)

include_pattern='^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([^">]*)'
failed=0
for module in "${!may_include[@]}"; do
  [[ -d $module ]] || continue
  allowed=" $module ${may_include[$module]} "
  while IFS=: read -r file line text; do
    [[ $text =~ $include_pattern ]] || continue
    path=${BASH_REMATCH[1]}
    included=${path%%/*}
    [[ " $modules " == *" $included "* ]] || continue  # a system or library header
    if [[ $allowed != *" $included "* ]]; then
      echo "$file:$line: $module may not include $included/ (it may include: ${may_include[$module]:-its own headers only})"
      failed=1
    elif [[ $module == platform && $included == platform ]]; then
      part=${file#platform/} part=${part%%/*}
      included_part=${path#platform/} included_part=${included_part%%/*}
      part_allowed=" $part ${platform_may_include[$part]-} "
      if [[ -z ${platform_may_include[$part]+set} ]]; then
        echo "$file:$line: platform/$part is not in the table of platform's parts: add it there"
        failed=1
      elif [[ $part_allowed != *" $included_part "* ]]; then
        echo "$file:$line: platform/$part may not include platform/$included_part/" \
             "(it may include: ${platform_may_include[$part]:-its own headers only})"
        failed=1
      fi
    fi
  done < <(grep -rnE --include='*.h' --include='*.cpp' --include='*.c' \
             '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][a-z_]+/' "$module" || true)
done

exit $failed
