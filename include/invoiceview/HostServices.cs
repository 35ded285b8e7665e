// invoiceview host ABI for C# hosts: what a kiosk host implements and what it calls, laid out as
// host_services.h beside this file lays it out. The DLL is 32-bit: build the host for x86.
//
// The host keeps its five operations alive as delegates, writes a HostServicesVtbl to unmanaged
// memory (Marshal.StructureToPtr), points HostServices.Vtbl at it, and calls ShowForm with two
// arrays of 65 pointers to NUL-terminated GBK texts (IntPtr.Zero is an empty text). Texts both
// ways are GBK (code page 936: Encoding.GetEncoding(936); on .NET Core and later register
// CodePagesEncodingProvider first). A text the library hands over is valid for that call only.
using System;
using System.Runtime.InteropServices;

namespace InvoiceView
{
    public static class IvVariantType
    {
        public const int Empty = 0;
        public const int Null = 1;
        public const int Int = 2;
        public const int Double = 3;
        public const int String = 4;
        public const int Bool = 5;
    }

    // What TextToValue gives back: Type says which of I, D and S holds the value. The offsets are
    // Windows C's (8-byte alignment of long and double), written out so that no runtime's own
    // alignment rules can move them.
    [StructLayout(LayoutKind.Explicit, Size = 32)]
    public struct IvVariant
    {
        [FieldOffset(0)] public int Type;
        [FieldOffset(8)] public long I;
        [FieldOffset(16)] public double D;
        [FieldOffset(24)] public IntPtr S;
    }

    // The host's operations: self is the HostServices the host passed to ShowForm.
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate void ReportErrorFn(IntPtr self, IntPtr text);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate void LoadSkinImageFn(IntPtr self, IntPtr control, IntPtr name);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate void FormActivatedFn(IntPtr self, IntPtr form);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate void TextToValueFn(IntPtr self, IntPtr text, int kind, ref IvVariant output);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate void PrintTextFn(IntPtr self, IntPtr text);

    // 36 slots of 4 bytes; the library calls only the five named ones. The reserved arrays must
    // hold their length (new IntPtr[3], new IntPtr[25]) before StructureToPtr.
    [StructLayout(LayoutKind.Sequential)]
    public struct HostServicesVtbl
    {
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 3)] public IntPtr[] Slot0_2;
        public ReportErrorFn ReportError;     // 3
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 3)] public IntPtr[] Slot4_6;
        public LoadSkinImageFn LoadSkinImage; // 7
        public FormActivatedFn FormActivated; // 8
        [MarshalAs(UnmanagedType.ByValArray, SizeConst = 25)] public IntPtr[] Slot9_33;
        public TextToValueFn TextToValue;     // 34
        public PrintTextFn PrintText;         // 35
    }

    [StructLayout(LayoutKind.Sequential)]
    public struct HostServices
    {
        public IntPtr Vtbl;         // a HostServicesVtbl in unmanaged memory
        public IntPtr Reserved0;
        public IntPtr Reserved1;
        public IntPtr WindowHandle; // the host's HWND, offset 12
        public IntPtr BusinessKey;  // a GBK text, offset 16
    }

    // An image control handed to LoadSkinImage points at its operations (Marshal.PtrToStructure);
    // the host puts its skin into it with one of them. Both return non-zero on success.
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate int LoadPictureFn(IntPtr control, IntPtr path);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate int SetPixelsFn(IntPtr control, int width, int height, int stride, IntPtr bgr);

    [StructLayout(LayoutKind.Sequential)]
    public struct IvControl
    {
        public IntPtr Ops; // an IvControlOps
    }

    [StructLayout(LayoutKind.Sequential)]
    public struct IvControlOps
    {
        public LoadPictureFn LoadPicture;
        public SetPixelsFn SetPixels;
    }

    // The screen handed to FormActivated: keys (virtual-key codes), clicks and snapshots queued
    // behind what is already queued.
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate int PostKeyFn(IntPtr form, int virtualKey);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate int PostClickFn(IntPtr form, int x, int y);
    [UnmanagedFunctionPointer(CallingConvention.StdCall)]
    public delegate int PostSnapshotFn(IntPtr form, IntPtr pngPath);

    [StructLayout(LayoutKind.Sequential)]
    public struct IvForm
    {
        public IntPtr Ops; // an IvFormOps
    }

    [StructLayout(LayoutKind.Sequential)]
    public struct IvFormOps
    {
        public PostKeyFn PostKey;
        public PostClickFn PostClick;
        public PostSnapshotFn PostSnapshot;
    }

    public static class InvoiceViewLibrary
    {
        public const int TextCount = 65;

        // Returns 1 when the customer leaves the screen. dataI and dataO hold TextCount entries.
        [DllImport("invoiceview.dll", CallingConvention = CallingConvention.StdCall, EntryPoint = "ShowForm")]
        public static extern int ShowForm(ref HostServices host, IntPtr[] dataI, IntPtr[] dataO, int reserved);
    }
}
