/* The host ABI's layout as the 32-bit Windows C compiler makes it: one line per size and field
 * offset, which the Pascal and C# declarations must print alike (abi_declarations.sh). */
#include <stddef.h>
#include <stdio.h>

#include "invoiceview/host_services.h"

#define SIZE(type) printf(#type " %u\n", (unsigned)sizeof(type))
#define FIELD(type, field) printf(#type "." #field " %u\n", (unsigned)offsetof(type, field))

int main(void) {
  SIZE(THostServices);
  FIELD(THostServices, vtbl);
  FIELD(THostServices, reserved);
  FIELD(THostServices, WindowHandle);
  FIELD(THostServices, BusinessKey);
  SIZE(THostServicesVtbl);
  FIELD(THostServicesVtbl, ReportError);
  FIELD(THostServicesVtbl, LoadSkinImage);
  FIELD(THostServicesVtbl, FormActivated);
  FIELD(THostServicesVtbl, TextToValue);
  FIELD(THostServicesVtbl, PrintText);
  SIZE(IvVariant);
  FIELD(IvVariant, type);
  FIELD(IvVariant, i);
  FIELD(IvVariant, d);
  FIELD(IvVariant, s);
  SIZE(IvControl);
  SIZE(IvControlOps);
  FIELD(IvControlOps, LoadPicture);
  FIELD(IvControlOps, SetPixels);
  SIZE(IvForm);
  SIZE(IvFormOps);
  FIELD(IvFormOps, PostKey);
  FIELD(IvFormOps, PostClick);
  FIELD(IvFormOps, PostSnapshot);
  return 0;
}
