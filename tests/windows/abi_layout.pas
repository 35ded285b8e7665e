{ The host ABI's layout as host_services.pas declares it, printed as abi_layout.c prints the C
  header's (abi_declarations.sh compares them). }
program abi_layout;

{$IFDEF FPC}
{$MODE DELPHI}
{$ENDIF}

uses host_services;

var
  Host: THostServices;
  Vtbl: THostServicesVtbl;
  Variant: TIvVariant;
  ControlOps: TIvControlOps;
  FormOps: TIvFormOps;

procedure Line(const Name: string; Value: NativeUInt);
begin
  WriteLn(Name, ' ', Value);
end;

function Offset(Start, Field: Pointer): NativeUInt;
begin
  Result := NativeUInt(Field) - NativeUInt(Start);
end;

begin
  Line('THostServices', SizeOf(THostServices));
  Line('THostServices.vtbl', Offset(@Host, @Host.Vtbl));
  Line('THostServices.reserved', Offset(@Host, @Host.Reserved));
  Line('THostServices.WindowHandle', Offset(@Host, @Host.WindowHandle));
  Line('THostServices.BusinessKey', Offset(@Host, @Host.BusinessKey));
  Line('THostServicesVtbl', SizeOf(THostServicesVtbl));
  Line('THostServicesVtbl.ReportError', Offset(@Vtbl, @@Vtbl.ReportError));
  Line('THostServicesVtbl.LoadSkinImage', Offset(@Vtbl, @@Vtbl.LoadSkinImage));
  Line('THostServicesVtbl.FormActivated', Offset(@Vtbl, @@Vtbl.FormActivated));
  Line('THostServicesVtbl.TextToValue', Offset(@Vtbl, @@Vtbl.TextToValue));
  Line('THostServicesVtbl.PrintText', Offset(@Vtbl, @@Vtbl.PrintText));
  Line('IvVariant', SizeOf(TIvVariant));
  Line('IvVariant.type', Offset(@Variant, @Variant.VarType));
  Line('IvVariant.i', Offset(@Variant, @Variant.I));
  Line('IvVariant.d', Offset(@Variant, @Variant.D));
  Line('IvVariant.s', Offset(@Variant, @Variant.S));
  Line('IvControl', SizeOf(TIvControl));
  Line('IvControlOps', SizeOf(TIvControlOps));
  Line('IvControlOps.LoadPicture', Offset(@ControlOps, @@ControlOps.LoadPicture));
  Line('IvControlOps.SetPixels', Offset(@ControlOps, @@ControlOps.SetPixels));
  Line('IvForm', SizeOf(TIvForm));
  Line('IvFormOps', SizeOf(TIvFormOps));
  Line('IvFormOps.PostKey', Offset(@FormOps, @@FormOps.PostKey));
  Line('IvFormOps.PostClick', Offset(@FormOps, @@FormOps.PostClick));
  Line('IvFormOps.PostSnapshot', Offset(@FormOps, @@FormOps.PostSnapshot));
end.
