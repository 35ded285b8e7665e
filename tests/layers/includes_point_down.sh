#!/usr/bin/env bash
# Every #include of the project's own headers points down the layers: a module's sources include
# their own module, the modules below it and, from config up, the host's C header
# (include/invoiceview). Prints file:line of each include that points elsewhere and fails.
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
  [plugin]="platform aatext config invoice controls forms invoiceview"
  [host]="platform invoiceview"
  [tools]="platform aatext config invoice controls forms invoiceview host"
)
modules="${!may_include[*]} invoiceview"

failed=0
for module in "${!may_include[@]}"; do
  allowed=" $module ${may_include[$module]} "
  while IFS=: read -r file line text; do
    included=$(sed -E 's/^[[:space:]]*#[[:space:]]*include[[:space:]]*["<]([a-z_]+)\/.*/\1/' <<<"$text")
    [[ " $modules " == *" $included "* ]] || continue  # a system or library header
    [[ $allowed == *" $included "* ]] && continue
    echo "$file:$line: $module may not include $included/ (it may include: ${may_include[$module]:-its own headers only})"
    failed=1
  done < <(grep -rnE --include='*.h' --include='*.cpp' --include='*.c' \
             '^[[:space:]]*#[[:space:]]*include[[:space:]]*["<][a-z_]+/' "$module" || true)
done

exit $failed
