{ invoiceview host ABI for Delphi and Free Pascal (Delphi mode): what a 32-bit Windows kiosk host
  implements and what it calls, laid out as host_services.h beside this file lays it out.

  The host fills a THostServicesVtbl with its five operations (stdcall, the services object
  first), points a THostServices at it with its window handle and the business key, and calls
  ShowForm with two arrays of 65 GBK texts (nil is an empty text). Texts both ways are GBK (code
  page 936). A text the library hands over is valid for that call only: it is a read-only counted
  string (reference count -1, then the length, before its first character), so
  AnsiString(Text) or a plain PAnsiChar read both work; copy it to keep it. }
unit host_services;

{$IFDEF FPC}
{$MODE DELPHI}
{$ENDIF}
{ The C compilers of Windows align Int64 and Double to 8 bytes: TIvVariant.I lies at 8. }
{$ALIGN 8}

interface

const
  InvoiceViewDll = 'invoiceview.dll';

  IV_VAR_EMPTY = 0;
  IV_VAR_NULL = 1;
  IV_VAR_INT = 2;
  IV_VAR_DOUBLE = 3;
  IV_VAR_STRING = 4;
  IV_VAR_BOOL = 5;

type
  PHostServices = ^THostServices;
  PIvControl = ^TIvControl;
  PIvForm = ^TIvForm;

  { What TextToValue gives back: VarType says which of I, D and S holds the value. }
  TIvVariant = record
    VarType: LongInt; { "type" in C }
    I: Int64;
    D: Double;
    S: PAnsiChar;
  end;
  PIvVariant = ^TIvVariant;

  { The host's operations. }
  TReportError = procedure(Self: PHostServices; Text: PAnsiChar); stdcall;
  TLoadSkinImage = procedure(Self: PHostServices; Control: PIvControl; Name: PAnsiChar); stdcall;
  TFormActivated = procedure(Self: PHostServices; Form: PIvForm); stdcall;
  TTextToValue = procedure(Self: PHostServices; Text: PAnsiChar; Kind: LongInt; Output: PIvVariant); stdcall;
  TPrintText = procedure(Self: PHostServices; Text: PAnsiChar); stdcall;

  { 36 slots of 4 bytes; the library calls only the five named ones. }
  THostServicesVtbl = record
    Slot0_2: array[0..2] of Pointer;
    ReportError: TReportError;     { 3 }
    Slot4_6: array[0..2] of Pointer;
    LoadSkinImage: TLoadSkinImage; { 7 }
    FormActivated: TFormActivated; { 8 }
    Slot9_33: array[0..24] of Pointer;
    TextToValue: TTextToValue;     { 34 }
    PrintText: TPrintText;         { 35 }
  end;
  PHostServicesVtbl = ^THostServicesVtbl;

  THostServices = record
    Vtbl: PHostServicesVtbl;
    Reserved: array[0..1] of Pointer;
    WindowHandle: LongWord; { the host's HWND, offset 12 }
    BusinessKey: PAnsiChar; { offset 16 }
  end;

  { An image control handed to LoadSkinImage: the host puts its skin into it with one of these.
    Both return non-zero on success. }
  TIvLoadPicture = function(Control: PIvControl; Path: PAnsiChar): LongInt; stdcall;
  TIvSetPixels = function(Control: PIvControl; Width, Height, Stride: LongInt; Bgr: PByte): LongInt; stdcall;
  TIvControlOps = record
    LoadPicture: TIvLoadPicture;
    SetPixels: TIvSetPixels;
  end;
  PIvControlOps = ^TIvControlOps;
  TIvControl = record
    Ops: PIvControlOps;
  end;

  { The screen handed to FormActivated: keys (virtual-key codes), clicks and snapshots queued
    behind what is already queued. }
  TIvPostKey = function(Form: PIvForm; VirtualKey: LongInt): LongInt; stdcall;
  TIvPostClick = function(Form: PIvForm; X, Y: LongInt): LongInt; stdcall;
  TIvPostSnapshot = function(Form: PIvForm; PngPath: PAnsiChar): LongInt; stdcall;
  TIvFormOps = record
    PostKey: TIvPostKey;
    PostClick: TIvPostClick;
    PostSnapshot: TIvPostSnapshot;
  end;
  PIvFormOps = ^TIvFormOps;
  TIvForm = record
    Ops: PIvFormOps;
  end;

  { DataI and DataO: the transaction's 65 texts each. }
  TIvTexts = array[0..64] of PAnsiChar;
  PIvTexts = ^TIvTexts;

  { ShowForm as GetProcAddress(LoadLibrary(InvoiceViewDll), 'ShowForm') gives it; returns 1 when
    the customer leaves the screen. }
  TShowForm = function(Host: PHostServices; DataI, DataO: PIvTexts; Reserved: LongInt): LongInt; stdcall;

{$IFDEF MSWINDOWS}
{ The same, linked at load time. }
function ShowForm(Host: PHostServices; DataI, DataO: PIvTexts; Reserved: LongInt): LongInt; stdcall;
  external InvoiceViewDll name 'ShowForm';
{$ENDIF}

implementation

end.
