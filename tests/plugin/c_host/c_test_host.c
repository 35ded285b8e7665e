/* A host written in plain C against the public header: calls ShowForm with NULL arrays,
 * NULL entries and a services object whose operations it counts, then without a services
 * object and with one that has no operation table. It rounds upward, which the library does
 * not: its operations and the code after each call must see its own rounding. Prints the
 * results; exits with 1 when a text it was handed is not a read-only counted string or the
 * rounding was not the host's. */
#include <fenv.h>
#include <stdio.h>
#include <string.h>

#include "invoiceview/host_services.h"

static int g_calls;
static int g_bad_texts;
static int g_foreign_rounding;

static void CheckRounding(const char *where) {
  if (fegetround() == FE_UPWARD) return;
  printf("rounding not the host's %s\n", where);
  ++g_foreign_rounding;
}

/* The 8 bytes before the characters: reference count -1, then the length. */
static void CheckCounted(const char *text) {
  CheckRounding("in a host operation");
  const int32_t *header = (const int32_t *)(const void *)text - 2;
  if (header[0] != -1 || header[1] != (int32_t)strlen(text)) ++g_bad_texts;
}

static void ReportError(THostServices *self, const char *text) {
  (void)self;
  CheckCounted(text);
  printf("ReportError %s\n", text);
  ++g_calls;
}
static void LoadSkinImage(THostServices *self, IvControl *control, const char *name) {
  (void)self;
  (void)control;
  CheckCounted(name);
  printf("LoadSkinImage %s\n", name);
  ++g_calls;
}
static void FormActivated(THostServices *self, IvForm *form) {
  (void)self;
  (void)form;
  CheckRounding("in FormActivated");
  ++g_calls;
}
static void TextToValue(THostServices *self, const char *text, int32_t kind, IvVariant *out) {
  (void)self;
  CheckCounted(text);
  memset(out, 0, sizeof *out);
  out->type = kind == 1 ? IV_VAR_DOUBLE : IV_VAR_INT;
  ++g_calls;
}
static void PrintText(THostServices *self, const char *text) {
  (void)self;
  CheckCounted(text);
  ++g_calls;
}

int main(void) {
  THostServicesVtbl vtbl;
  memset(&vtbl, 0, sizeof vtbl);
  vtbl.ReportError = ReportError;
  vtbl.LoadSkinImage = LoadSkinImage;
  vtbl.FormActivated = FormActivated;
  vtbl.TextToValue = TextToValue;
  vtbl.PrintText = PrintText;
  THostServices host;
  memset(&host, 0, sizeof host);
  host.vtbl = &vtbl;
  host.BusinessKey = "SALE";

  const char *dataI[65] = {0};
  const char *dataO[65] = {0};
  dataI[0] = "first";
  dataO[64] = "last";
  fesetround(FE_UPWARD);
  printf("ShowForm returned %d\n", (int)ShowForm(&host, dataI, dataO, 0));
  CheckRounding("after ShowForm");
  printf("ShowForm returned %d\n", (int)ShowForm(&host, NULL, NULL, -1));
  CheckRounding("after ShowForm");

  THostServices tableless;
  memset(&tableless, 0, sizeof tableless);
  const int calls = g_calls;
  printf("ShowForm without a host returned %d\n", (int)ShowForm(NULL, dataI, dataO, 0));
  printf("ShowForm without a table returned %d\n", (int)ShowForm(&tableless, dataI, dataO, 0));
  printf("host calls meanwhile: %d\n", g_calls - calls);
  if (g_bad_texts != 0) printf("%d texts were not counted strings\n", g_bad_texts);
  return g_bad_texts == 0 && g_foreign_rounding == 0 ? 0 : 1;
}
