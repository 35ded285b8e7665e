{ A 32-bit Windows kiosk host in Free Pascal's Delphi mode, built on host_services.pas: the sample
  water bill as examples/windows/mini_host.c shows it, with the same trace of the host's calls
  (abi_declarations.sh compares the two). The kiosk folder is the current directory; ShowForm is
  linked from invoiceview.dll beside the program. }
program pascal_host;

{$MODE DELPHI}

uses host_services;

procedure Trace(const Line: AnsiString);
begin
  Write(Line);
  Flush(Output);
end;

procedure ReportError(Self: PHostServices; Text: PAnsiChar); stdcall;
begin
  Trace('ReportError ' + AnsiString(Text) + sLineBreak);
end;

procedure LoadSkinImage(Self: PHostServices; Control: PIvControl; Name: PAnsiChar); stdcall;
var
  Path: AnsiString;
begin
  Path := 'skins\' + AnsiString(Name) + '.png';
  if Control^.Ops^.LoadPicture(Control, PAnsiChar(Path)) <> 0 then
    Trace('LoadSkinImage ' + AnsiString(Name) + sLineBreak)
  else
    Trace('LoadSkinImage ' + AnsiString(Name) + ' (cannot load ' + Path + ')' + sLineBreak);
end;

procedure FormActivated(Self: PHostServices; Form: PIvForm); stdcall;
begin
  Trace('FormActivated' + sLineBreak);
end;

procedure TextToValue(Self: PHostServices; Text: PAnsiChar; Kind: LongInt; Output: PIvVariant); stdcall;
var
  Code: Integer;
  Number: AnsiString;
begin
  FillChar(Output^, SizeOf(TIvVariant), 0);
  case Kind of
    1: begin Output^.VarType := IV_VAR_DOUBLE; Val(AnsiString(Text), Output^.D, Code); end;
    2: begin Output^.VarType := IV_VAR_INT; Val(AnsiString(Text), Output^.I, Code); end;
  else
    Output^.VarType := IV_VAR_STRING;
    Output^.S := Text;
  end;
  Str(Kind, Number);
  Trace('TextToValue ' + Number + ' ' + AnsiString(Text) + sLineBreak);
end;

procedure PrintText(Self: PHostServices; Text: PAnsiChar); stdcall;
begin
  Trace('PrintText ' + AnsiString(Text));
end;

var
  Vtbl: THostServicesVtbl;
  Host: THostServices;
  DataI, DataO: TIvTexts;
  Returned: AnsiString;
begin
  FillChar(Vtbl, SizeOf(Vtbl), 0);
  Vtbl.ReportError := ReportError;
  Vtbl.LoadSkinImage := LoadSkinImage;
  Vtbl.FormActivated := FormActivated;
  Vtbl.TextToValue := TextToValue;
  Vtbl.PrintText := PrintText;
  FillChar(Host, SizeOf(Host), 0);
  Host.Vtbl := @Vtbl;
  Host.BusinessKey := 'WATER';
  FillChar(DataI, SizeOf(DataI), 0);
  FillChar(DataO, SizeOf(DataO), 0);
  DataI[1] := '0571203344';
  DataI[2] := #$C0#$EE#$CB#$C4; { GBK for 李四 }
  DataO[1] := '495.90';
  Str(ShowForm(@Host, @DataI, @DataO, 0), Returned);
  Trace('ShowForm returned ' + Returned + sLineBreak);
end.
