@echo off
rem The sample kiosk of this folder: the water bill in a window, then headless every page of it
rem as pictures, the receipt, the balance query, and renders of the template samples.
rem Everything is written to demo\ beside this file.
setlocal
cd /d "%~dp0"
if exist demo rmdir /s /q demo
mkdir demo\balance
set host=kiosk-host.exe --kiosk examples\kiosk

echo == kiosk-host: the water bill in a window (Up/Down page, Enter prints, Esc or a button returns)
%host% --data examples\kiosk\transaction-water.txt --business-key WATER --print-out demo\printed.txt
if errorlevel 1 goto failed

echo == kiosk-host headless: every page of the water bill, printed once, then the balance query
%host% --headless --data examples\kiosk\transaction-water.txt --business-key WATER ^
  --keys Snap,Down,Snap,Down,Snap,Down,Snap,Enter,Escape --snapshot-dir demo --print-out demo\printed.txt
if errorlevel 1 goto failed
%host% --headless --data examples\kiosk\transaction-balance.txt --business-key BALANCE ^
  --keys Snap,Enter,Escape --snapshot-dir demo\balance
if errorlevel 1 goto failed

echo == invoice-render on the template samples, on the invoice screen's background
set data=..\..\docs\template-data
pushd examples\kiosk
..\..\invoice-render.exe INI\SaleInvoice.txt SALE --head %data%\sale-head.txt --detail %data%\sale-detail.txt ^
  --tail %data%\sale-tail.txt --all-pages --strict --background skins\FileDisp.png --out ..\..\demo\sale
if errorlevel 3 goto problems
if errorlevel 1 goto failed
..\..\invoice-render.exe INI\WaterInvoice.txt WATER --head %data%\water-head.txt --detail %data%\water-detail.txt ^
  --tail %data%\water-tail.txt --all-pages --strict --background skins\FileDisp.png --out ..\..\demo\water
if errorlevel 3 goto problems
if errorlevel 1 goto failed
..\..\invoice-render.exe INI\NoDataInvoice.txt NODATA --strict --out ..\..\demo\nodata
if errorlevel 3 goto problems
if errorlevel 1 goto failed
popd

echo == screens (kiosk-host snapshots): demo\001.png ... demo\004.png, demo\balance\001.png
echo == receipt handed to the printer: demo\printed.txt
echo == template renders: demo\sale-*.png, demo\water-*.png, demo\nodata-1.png
exit /b 0

:problems
rem invoice-render --strict found the problems it printed above. On a Windows without the
rem Chinese faces the samples name, those are the faces: say so, and what to install.
echo demo.bat: invoice-render found the problems printed above in a sample template. 1>&2
echo If they say "no installed face has this name", this Windows lacks the Chinese faces the 1>&2
echo templates use (SimSun, SimHei, KaiTi): the screens above were drawn with other faces, 1>&2
echo whose widths also make texts overlap. 1>&2
echo README.md, "Fonts", says how to add them. 1>&2
exit /b 3

:failed
echo demo.bat: the step above failed (exit status %errorlevel%) 1>&2
exit /b 1
