#!/usr/bin/env bash
# kiosk-host.exe, invoice-render.exe and kiosk-check.exe under wine with Chinese arguments: a
# kiosk folder with a blank in its name, a template 水费.txt holding the invoice 水费单 shown for
# the business key 水费, a transaction file, data files and an output prefix, all named in
# Chinese. Each tool finds them, and its messages name them in UTF-8.
# usage: chinese_arguments.sh KIOSK_HOST INVOICE_RENDER KIOSK_CHECK PLUGIN KIOSK DATA_FOLDER
set -euo pipefail
host=$1 render=$2 check=$3 plugin=$4
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "chinese_arguments: FAIL: $*" >&2; exit 1; }
gbk() { iconv -f UTF-8 -t GBK; }

kiosk="$work/收费 亭"
cp -r "$5" "$kiosk"
cp "$6/water-head.txt" "$work/抬头.txt"
cp "$6/water-detail.txt" "$work/明细.txt"
cp "$kiosk/transaction-water.txt" "$work/交易 数据.txt"
# The water bill once more under Chinese names, in GBK as the kiosk's files are.
sed "s/<NAME(WATERBILL)>/$(printf '<NAME(水费单)>' | gbk)/" "$kiosk/INI/WaterBill.txt" >"$kiosk/INI/$(printf '水费.txt')"
for ini in FormatShow.ini print.ini; do
  {
    printf '\r\n[水费]\r\n' | gbk
    sed -n '/^\[WATER\]/,/^\[/{/^\[/d;p}' "$kiosk/INI/$ini" |
      sed "s/^DisPlayName=.*/DisPlayName=$(printf '水费单' | gbk)/; s/^DisPlayIniFile=.*/DisPlayIniFile=$(printf '水费.txt' | gbk)/"
  } >>"$kiosk/INI/$ini"
done

"$host" --plugin "$plugin" --kiosk "$kiosk" --business-key 水费 --data "$work/交易 数据.txt" --headless \
  --keys Enter,Escape --print-out "$work/凭条.txt" >"$work/host.trace" 2>"$work/host.err" ||
  fail "kiosk-host: $(cat "$work/host.err")"
grep -qx "ShowForm returned 1" "$work/host.trace" || fail "kiosk-host: ShowForm did not return 1"
grep -q "^LoadSkinImage " "$work/host.trace" || fail "kiosk-host: no screen shown"
grep -q "^PrintText .*0571203344" "$work/host.trace" || fail "kiosk-host: the receipt lacks the account"
grep -q "0571203344" "$work/凭条.txt" || fail "kiosk-host: nothing printed to 凭条.txt"
! grep -q . "$kiosk/ErrorLog/Error.txt" 2>/dev/null || fail "the invoice logged: $(iconv -f GBK -t UTF-8 "$kiosk/ErrorLog/Error.txt")"

(cd "$work" && "$render" "收费 亭/INI/水费.txt" 水费单 --head 抬头.txt --detail 明细.txt --trace --out 页) \
  >"$work/render.trace" 2>"$work/render.err" || fail "invoice-render: $(cat "$work/render.err")"
[ -s "$work/页-1.png" ] || fail "invoice-render: no page 页-1.png"
grep -q "0571203344" "$work/render.trace" || fail "invoice-render: the head's account not drawn"
if "$render" "$kiosk/INI/水费.txt" 癮 >/dev/null 2>"$work/render.err"; then fail "invoice-render: found an invoice 癮"; fi
grep -q "水费.txt has no invoice 癮; the invoices it holds: 水费单" "$work/render.err" ||
  fail "invoice-render: $(cat "$work/render.err")"

"$check" "$kiosk" --business-key 水费 --data "$work/交易 数据.txt" >"$work/check.out" 2>&1 ||
  fail "kiosk-check: $(cat "$work/check.out")"
grep -qx "== 水费: receipt" "$work/check.out" || fail "kiosk-check: no receipt for 水费: $(cat "$work/check.out")"
grep -q "^水费: ok" "$work/check.out" || fail "kiosk-check: 水费 not ok: $(cat "$work/check.out")"
if "$check" "$work/没有 这个" >/dev/null 2>"$work/check.err"; then fail "kiosk-check: a missing folder passed"; fi
grep -q "^kiosk-check: .*没有 这个: " "$work/check.err" || fail "kiosk-check: $(cat "$work/check.err")"

echo "chinese_arguments: passed ($(wc -l <"$work/host.trace") trace lines, $(wc -l <"$work/check.out") check lines)"
