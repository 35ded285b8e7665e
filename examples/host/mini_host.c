/* mini_host.c: shows the sample water bill over the host window given as argv[1] (optional). */
#include <dlfcn.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "invoiceview/host_services.h"

/* The plug-in by its soname, found on the library path; a CMake build names the installed file. */
#ifndef INVOICEVIEW_PLUGIN
#define INVOICEVIEW_PLUGIN "libinvoiceview.so.1"
#endif

static void IV_CALL ReportError(THostServices *self, const char *text) {
  (void)self;
  fprintf(stderr, "invoiceview reports: %s\n", text);
}

static void IV_CALL LoadSkinImage(THostServices *self, IvControl *control, const char *name) {
  char path[256];
  (void)self;
  snprintf(path, sizeof path, "skins/%s.png", name);
  control->ops->LoadPicture(control, path); /* 0: unreadable, the control stays empty */
}

static void IV_CALL FormActivated(THostServices *self, IvForm *form) {
  (void)self;
  (void)form; /* form->ops->PostKey(form, 27) etc. for automation */
}

static void IV_CALL TextToValue(THostServices *self, const char *text, int32_t kind,
                                IvVariant *out) {
  (void)self;
  memset(out, 0, sizeof *out);
  if (kind == 1) {
    out->type = IV_VAR_DOUBLE;
    out->d = strtod(text, NULL);
  } else {
    out->type = IV_VAR_INT;
    out->i = strtoll(text, NULL, 10);
  }
}

static void IV_CALL PrintText(THostServices *self, const char *text) {
  (void)self;
  fputs(text, stdout); /* a real host sends the GBK lines (CR LF) to its printer */
}

int main(int argc, char **argv) {
  static const THostServicesVtbl vtbl = {
      .ReportError = ReportError, .LoadSkinImage = LoadSkinImage,
      .FormActivated = FormActivated, .TextToValue = TextToValue, .PrintText = PrintText};
  THostServices host = {&vtbl, {NULL, NULL}, argc > 1 ? strtoul(argv[1], NULL, 0) : 0, "WATER"};
  const char *dataI[65] = {NULL}, *dataO[65] = {NULL};
  dataI[1] = "0571203344";
  dataI[2] = "\xc0\xee\xcb\xc4"; /* GBK for 李四 */
  dataO[1] = "495.90";

  void *library = dlopen(INVOICEVIEW_PLUGIN, RTLD_NOW);
  if (library == NULL) {
    fprintf(stderr, "%s\n", dlerror());
    return 1;
  }
  ShowFormFn showForm = (ShowFormFn)dlsym(library, "ShowForm");
  int32_t result = showForm(&host, dataI, dataO, 0); /* returns when the customer leaves */
  printf("ShowForm returned %d\n", (int)result);
  dlclose(library);
  return 0;
}
