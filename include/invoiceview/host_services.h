/* invoiceview host ABI: what a kiosk host implements and what it calls.
 * Plain C, usable from C and C++. Strings crossing this boundary are GBK, NUL-terminated;
 * a NULL entry of dataI/dataO is an empty string. The library copies what it keeps; a text it
 * hands to the host is valid for the duration of that call. */
#ifndef INVOICEVIEW_HOST_SERVICES_H
#define INVOICEVIEW_HOST_SERVICES_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

/* Every function pointer below uses the platform's standard calling convention for
 * exported functions (__stdcall on 32-bit Windows). On Windows, ShowForm is imported from
 * invoiceview.dll by hosts that link its import library; only the library's own build
 * (IV_BUILDING_LIBRARY) exports it. */
#if defined(_WIN32)
#ifdef IV_BUILDING_LIBRARY
#define IV_EXPORT __declspec(dllexport)
#else
#define IV_EXPORT __declspec(dllimport)
#endif
#define IV_CALL __stdcall
#else
#define IV_EXPORT __attribute__((visibility("default")))
#define IV_CALL
#endif

typedef struct THostServices THostServices;
typedef struct IvControl IvControl; /* an image control given to LoadSkinImage */
typedef struct IvForm IvForm;       /* a form given to FormActivated */

enum {
  IV_VAR_EMPTY = 0,
  IV_VAR_NULL = 1,
  IV_VAR_INT = 2,
  IV_VAR_DOUBLE = 3,
  IV_VAR_STRING = 4,
  IV_VAR_BOOL = 5
};
typedef struct {
  int32_t type;
  int64_t i;
  double d;
  const char *s;
} IvVariant;

typedef struct {
  void *slot0_2[3];
  void (IV_CALL *ReportError)(THostServices *self, const char *text);                              /* 3  */
  void *slot4_6[3];
  void (IV_CALL *LoadSkinImage)(THostServices *self, IvControl *control, const char *name);         /* 7  */
  void (IV_CALL *FormActivated)(THostServices *self, IvForm *form);                                 /* 8  */
  void *slot9_33[25];
  void (IV_CALL *TextToValue)(THostServices *self, const char *text, int32_t kind, IvVariant *out); /* 34 */
  void (IV_CALL *PrintText)(THostServices *self, const char *text);                                 /* 35 */
} THostServicesVtbl;

struct THostServices {
  const THostServicesVtbl *vtbl;
  void *reserved[2];
  uintptr_t WindowHandle;  /* offset 12 on 32-bit targets */
  const char *BusinessKey; /* offset 16 on 32-bit targets */
};

typedef struct {
  int (IV_CALL *LoadPicture)(IvControl *, const char *path);
  int (IV_CALL *SetPixels)(IvControl *, int w, int h, int stride, const unsigned char *bgr);
} IvControlOps;
struct IvControl {
  const IvControlOps *ops;
};

typedef struct {
  int (IV_CALL *PostKey)(IvForm *, int vk);
  int (IV_CALL *PostClick)(IvForm *, int x, int y);
  int (IV_CALL *PostSnapshot)(IvForm *, const char *png_path);
} IvFormOps;
struct IvForm {
  const IvFormOps *ops;
};

IV_EXPORT int32_t IV_CALL ShowForm(THostServices *host, const char *const *dataI,
                                   const char *const *dataO, int32_t reserved);

typedef int32_t(IV_CALL *ShowFormFn)(THostServices *, const char *const *, const char *const *,
                                     int32_t);

#ifdef __cplusplus
}
#endif

#endif
