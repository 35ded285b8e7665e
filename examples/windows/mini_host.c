/* mini_host.c: a 32-bit Windows kiosk host in C. It opens a window of its own, loads
 * invoiceview.dll and shows the sample water bill over that window; ShowForm returns when the
 * customer leaves the invoice screen (Esc or a button). The kiosk folder is the current
 * directory, or the folder given as the argument: mini_host.exe examples\kiosk
 *
 * The entry point and every path are wide (UTF-16): a kiosk folder named in Chinese works
 * whatever the system's ANSI code page is. MinGW needs -municode for wmain; MSVC takes it as is.
 *
 * By default the DLL is loaded at run time (LoadLibrary, GetProcAddress). Compiled with
 * -DIV_LINK_IMPORT_LIBRARY, the host calls ShowForm directly and links the import library
 * (invoiceview.lib, libinvoiceview.dll.a) instead.
 *
 * Built in the release's folder, 32-bit:
 *   MinGW: i686-w64-mingw32-gcc -municode -Iinclude examples/windows/mini_host.c -o mini_host.exe
 *   MSVC (x86 Native Tools Command Prompt): cl /Iinclude examples\windows\mini_host.c user32.lib
 * Linking the import library instead: add -DIV_LINK_IMPORT_LIBRARY -L. -linvoiceview (MinGW), or
 * /DIV_LINK_IMPORT_LIBRARY and invoiceview.lib before user32.lib (MSVC). */
#include <windows.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "invoiceview/host_services.h"

/* The host's five operations. The library calls them on the thread that called ShowForm, with
 * the services object first; every one is __stdcall (IV_CALL). Texts are GBK (code page 936). */

static void IV_CALL ReportError(THostServices *self, const char *text) {
  (void)self;
  printf("ReportError %s\n", text);
}

/* Skins are the host's pictures: here NAME.png in the kiosk folder's skins\. */
static void IV_CALL LoadSkinImage(THostServices *self, IvControl *control, const char *name) {
  char path[MAX_PATH];
  (void)self;
  snprintf(path, sizeof path, "skins\\%s.png", name);
  if (control->ops->LoadPicture(control, path))
    printf("LoadSkinImage %s\n", name);
  else
    printf("LoadSkinImage %s (cannot load %s)\n", name, path); /* the control stays empty */
}

/* The screen is up. A host that drives it (a test, a demonstration) posts keys here:
 * form->ops->PostKey(form, VK_RETURN) prints, VK_ESCAPE leaves. */
static void IV_CALL FormActivated(THostServices *self, IvForm *form) {
  (void)self;
  (void)form;
  printf("FormActivated\n");
}

/* Kind 1 asks for a number with decimals, kind 2 for a whole number; others keep the text. */
static void IV_CALL TextToValue(THostServices *self, const char *text, int32_t kind, IvVariant *out) {
  (void)self;
  memset(out, 0, sizeof *out);
  if (kind == 1) {
    out->type = IV_VAR_DOUBLE;
    out->d = strtod(text, NULL);
  } else if (kind == 2) {
    out->type = IV_VAR_INT;
    out->i = _strtoi64(text, NULL, 10);
  } else {
    out->type = IV_VAR_STRING;
    out->s = text; /* valid for this call only, as every text the library hands over */
  }
  printf("TextToValue %d %s\n", (int)kind, text);
}

/* The receipt, GBK lines ending CR LF: a real host sends them to its printer. */
static void IV_CALL PrintText(THostServices *self, const char *text) {
  (void)self;
  printf("PrintText %s", text);
}

#ifdef IV_LINK_IMPORT_LIBRARY
static ShowFormFn FindShowForm(void) { return ShowForm; }
#else
static ShowFormFn FindShowForm(void) {
  /* Found beside the program first. The export is ShowForm, by its plain name. */
  HMODULE library = LoadLibraryW(L"invoiceview.dll");
  if (library == NULL) {
    fprintf(stderr, "cannot load invoiceview.dll (error %lu)\n", GetLastError());
    return NULL;
  }
  ShowFormFn showForm = (ShowFormFn)(void (*)(void))GetProcAddress(library, "ShowForm");
  if (showForm == NULL) fprintf(stderr, "invoiceview.dll has no ShowForm\n");
  return showForm;
}
#endif

static HWND CreateHostWindow(void) {
  WNDCLASSW windowClass;
  memset(&windowClass, 0, sizeof windowClass);
  windowClass.lpfnWndProc = DefWindowProcW;
  windowClass.hInstance = GetModuleHandleW(NULL);
  windowClass.hCursor = LoadCursor(NULL, IDC_ARROW);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"MiniKioskHost";
  RegisterClassW(&windowClass);
  return CreateWindowW(L"MiniKioskHost", L"Kiosk host", WS_OVERLAPPEDWINDOW | WS_VISIBLE, CW_USEDEFAULT, CW_USEDEFAULT,
                       960, 760, NULL, NULL, windowClass.hInstance, NULL);
}

int wmain(int argc, wchar_t **argv) {
  static const THostServicesVtbl vtbl = {.ReportError = ReportError,
                                         .LoadSkinImage = LoadSkinImage,
                                         .FormActivated = FormActivated,
                                         .TextToValue = TextToValue,
                                         .PrintText = PrintText};
  THostServices host = {&vtbl, {NULL, NULL}, 0, "WATER"};
  const char *dataI[65] = {NULL}, *dataO[65] = {NULL};
  ShowFormFn showForm;
  HWND window;
  int32_t result;

  if (argc > 1 && !SetCurrentDirectoryW(argv[1])) { /* the kiosk folder: INI\, Log\, skins\ */
    fprintf(stderr, "cannot enter the kiosk folder %ls (error %lu)\n", argv[1], GetLastError());
    return 1;
  }
  showForm = FindShowForm();
  if (showForm == NULL) return 1;

  window = CreateHostWindow();
  host.WindowHandle = (uintptr_t)window; /* the invoice screen is owned by it */
  dataI[1] = "0571203344";
  dataI[2] = "\xc0\xee\xcb\xc4"; /* GBK for 李四 */
  dataO[1] = "495.90";
  result = showForm(&host, dataI, dataO, 0); /* returns when the customer leaves */
  printf("ShowForm returned %d\n", (int)result);
  DestroyWindow(window);
  return 0;
}
