// The host ABI's layout as HostServices.cs declares it for the marshaller, printed as
// abi_layout.c prints the C header's (abi_declarations.sh compares them).
using System;
using System.Runtime.InteropServices;
using InvoiceView;

static class AbiLayout
{
    static void Size<T>(string name) { Console.WriteLine(name + " " + Marshal.SizeOf(typeof(T))); }

    static void Field<T>(string name, string field)
    {
        Console.WriteLine(name + " " + Marshal.OffsetOf(typeof(T), field));
    }

    static void Main()
    {
        Size<HostServices>("THostServices");
        Field<HostServices>("THostServices.vtbl", "Vtbl");
        Field<HostServices>("THostServices.reserved", "Reserved0");
        Field<HostServices>("THostServices.WindowHandle", "WindowHandle");
        Field<HostServices>("THostServices.BusinessKey", "BusinessKey");
        Size<HostServicesVtbl>("THostServicesVtbl");
        Field<HostServicesVtbl>("THostServicesVtbl.ReportError", "ReportError");
        Field<HostServicesVtbl>("THostServicesVtbl.LoadSkinImage", "LoadSkinImage");
        Field<HostServicesVtbl>("THostServicesVtbl.FormActivated", "FormActivated");
        Field<HostServicesVtbl>("THostServicesVtbl.TextToValue", "TextToValue");
        Field<HostServicesVtbl>("THostServicesVtbl.PrintText", "PrintText");
        Size<IvVariant>("IvVariant");
        Field<IvVariant>("IvVariant.type", "Type");
        Field<IvVariant>("IvVariant.i", "I");
        Field<IvVariant>("IvVariant.d", "D");
        Field<IvVariant>("IvVariant.s", "S");
        Size<IvControl>("IvControl");
        Size<IvControlOps>("IvControlOps");
        Field<IvControlOps>("IvControlOps.LoadPicture", "LoadPicture");
        Field<IvControlOps>("IvControlOps.SetPixels", "SetPixels");
        Size<IvForm>("IvForm");
        Size<IvFormOps>("IvFormOps");
        Field<IvFormOps>("IvFormOps.PostKey", "PostKey");
        Field<IvFormOps>("IvFormOps.PostClick", "PostClick");
        Field<IvFormOps>("IvFormOps.PostSnapshot", "PostSnapshot");
    }
}
