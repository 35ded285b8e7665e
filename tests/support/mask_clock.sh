# Sourced by the shell tests that compare two runs' traces, receipts and logs: a receipt prints
# the time of payment and a log record the time it was written, which two runs need not share.
# mask_clock FILE: the file with every "yyyy-mm-dd hh:nn:ss" read as <time>.
mask_clock() { LC_ALL=C sed -E 's/[0-9]{4}-[0-9]{2}-[0-9]{2} [0-9]{2}:[0-9]{2}:[0-9]{2}/<time>/g' "$1"; }
# mask_log_clock FILE: the log file with every record's "yyyymmdd--hh:nn:ss" left out.
mask_log_clock() { LC_ALL=C sed -E 's/[0-9]{8}--[0-9:]{8}//' "$1"; }
