# Sourced by the shell tests that compare two runs' traces and receipts: a receipt prints the
# time of payment, which two runs need not share.
# mask_clock FILE: the file with every "yyyy-mm-dd hh:nn:ss" read as <time>.
mask_clock() { LC_ALL=C sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}/<time>/g' "$1"; }
