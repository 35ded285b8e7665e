/* A 32-bit Windows host in plain C, as a kiosk host would be written against the public header:
 * loads the DLL by name, calls ShowForm through GetProcAddress on a kiosk folder with a
 * transaction's data, and checks the calling convention from the outside: the stack is the
 * same after the call (the callee removed its four arguments), the services object is the one
 * it passed, every text it receives is a read-only counted string, and ShowForm returns 1.
 * Then it runs with the floating-point settings of hosts that unmask exceptions (x87 control
 * words as Pascal-family languages set them, an MXCSR trapping invalid operations, zero divides
 * and overflows), two calls each: every call gives the trace of the first, and the host's
 * operations and the code after each call find the host's own settings.
 * usage: win32_c_host DLL KIOSK-FOLDER TRANSACTION-FILE; exit status 0 when every check holds. */
#include <windows.h>

#include <stddef.h>
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "invoiceview/host_services.h"
#include "tests/windows/variant_from_text.h"

_Static_assert(offsetof(THostServices, WindowHandle) == 12, "WindowHandle at offset 12");
_Static_assert(offsetof(THostServices, BusinessKey) == 16, "BusinessKey at offset 16");
_Static_assert(offsetof(THostServicesVtbl, ReportError) == 3 * sizeof(void *), "ReportError in slot 3");
_Static_assert(offsetof(THostServicesVtbl, PrintText) == 35 * sizeof(void *), "PrintText in slot 35");

static THostServices g_host;
static int g_failures;
static int g_texts;
static int g_printed;
static int g_keys_posted;
static char g_trace[65536];
static size_t g_trace_length;

/* The settings the host runs with; 0 while it keeps the ones it started with. */
static unsigned short g_x87_control;
static unsigned int g_sse_control;

static void Fail(const char *what, const char *detail) {
  printf("FAIL %s %s\n", what, detail != NULL ? detail : "");
  ++g_failures;
}

static unsigned short X87Control(void) {
  unsigned short control;
  __asm__ volatile("fnstcw %0" : "=m"(control));
  return control;
}

/* MXCSR without its sticky exception flags. */
static unsigned int SseControl(void) {
  unsigned int control;
  __asm__ volatile("stmxcsr %0" : "=m"(control));
  return control & ~0x3Fu;
}

static void UseFloatSettings(unsigned short x87, unsigned int sse) {
  __asm__ volatile("fnclex\n\tfldcw %0\n\tldmxcsr %1" : : "m"(x87), "m"(sse));
  /* As the processor keeps them: the x87 word's reserved bit 6 reads as 1. */
  g_x87_control = X87Control();
  g_sse_control = SseControl();
}

static void CheckFloatSettings(const char *where) {
  char detail[128];
  if (g_x87_control == 0) return;
  if (X87Control() != g_x87_control || SseControl() != g_sse_control) {
    snprintf(detail, sizeof detail, "x87 %04X MXCSR %04X, not the host's %04X %04X", X87Control(), SseControl(),
             g_x87_control, g_sse_control);
    Fail(where, detail);
  }
}

/* Every operation and text in the order received; the receipt's time of payment masked. */
static void Trace(const char *operation, const char *text) {
  char line[4096];
  int length = snprintf(line, sizeof line, "%s %s\n", operation, text);
  for (int i = 0; i + 19 <= length; ++i) {
    const char *shape = "dddd-dd-dd dd:dd:dd";
    int j = 0;
    while (j < 19 && (shape[j] == 'd' ? line[i + j] >= '0' && line[i + j] <= '9' : line[i + j] == shape[j])) ++j;
    if (j == 19)
      for (j = 0; j < 19; ++j)
        if (shape[j] == 'd') line[i + j] = '#';
  }
  if (length > 0 && g_trace_length + (size_t)length < sizeof g_trace) {
    memcpy(g_trace + g_trace_length, line, (size_t)length);
    g_trace_length += (size_t)length;
  }
}

/* The 8 bytes before the characters: reference count -1, then the length. */
static void CheckText(const char *operation, THostServices *self, const char *text) {
  CheckFloatSettings(operation);
  if (self != &g_host) Fail(operation, "called with another services object");
  if (text == NULL) {
    Fail(operation, "NULL text");
    return;
  }
  const int32_t *header = (const int32_t *)(const void *)text - 2;
  if (header[0] != -1) Fail(operation, "reference count is not -1");
  if (header[1] != (int32_t)strlen(text)) Fail(operation, "length does not match the characters");
  ++g_texts;
  Trace(operation, text);
}

static void IV_CALL ReportError(THostServices *self, const char *text) { CheckText("ReportError", self, text); }

static void IV_CALL LoadSkinImage(THostServices *self, IvControl *control, const char *name) {
  CheckText("LoadSkinImage", self, name);
  if (control == NULL || control->ops == NULL) Fail("LoadSkinImage", "no control");
}

static void IV_CALL FormActivated(THostServices *self, IvForm *form) {
  CheckFloatSettings("FormActivated");
  if (self != &g_host) Fail("FormActivated", "called with another services object");
  if (form == NULL || form->ops == NULL) {
    Fail("FormActivated", "no form");
    return;
  }
  /* The form's operations are stdcall too: print twice, then leave. */
  if (!g_keys_posted) {
    g_keys_posted = 1;
    form->ops->PostKey(form, VK_RETURN);
    form->ops->PostKey(form, VK_RETURN);
    form->ops->PostKey(form, VK_ESCAPE);
    CheckFloatSettings("after the form's operations");
  }
}

static void IV_CALL TextToValue(THostServices *self, const char *text, int32_t kind, IvVariant *out) {
  CheckText("TextToValue", self, text);
  VariantFromText(text, kind, out);
}

static void IV_CALL PrintText(THostServices *self, const char *text) {
  CheckText("PrintText", self, text);
  ++g_printed;
}

/* Calls ShowForm with the four arguments pushed by hand and reports the stack pointer before
 * the pushes and after the call: equal when the callee removed its arguments. */
static int32_t CallShowForm(ShowFormFn showForm, const void *const arguments[4], uintptr_t *before, uintptr_t *after) {
  int32_t result;
  uintptr_t function = (uintptr_t)showForm, scratch;
  __asm__ volatile(
      "movl %%esp, %%esi\n\t"
      "pushl 12(%%ebx)\n\t"
      "pushl 8(%%ebx)\n\t"
      "pushl 4(%%ebx)\n\t"
      "pushl (%%ebx)\n\t"
      "call *%%ecx\n\t"
      "movl %%esp, %%edi\n\t"
      "movl %%esi, %%esp\n\t"
      : "=a"(result), "=S"(*before), "=D"(*after), "+c"(function), "=d"(scratch)
      : "b"(arguments)
      : "memory", "cc");
  (void)scratch;
  return result;
}

/* I<n>= and O<n>= lines of a transaction file; values are kept as they are. */
static void ReadTransaction(const char *path, char *dataI[65], char *dataO[65]) {
  FILE *file = fopen(path, "rb");
  char line[4096];
  if (file == NULL) {
    Fail("transaction", path);
    return;
  }
  while (fgets(line, sizeof line, file) != NULL) {
    char *text = strncmp(line, "\xEF\xBB\xBF", 3) == 0 ? line + 3 : line;
    char *end = text + strcspn(text, "\r\n");
    char *equals = strchr(text, '=');
    int index;
    *end = '\0';
    if ((text[0] != 'I' && text[0] != 'O') || equals == NULL) continue;
    index = atoi(text + 1);
    if (index < 0 || index > 64) continue;
    (text[0] == 'I' ? dataI : dataO)[index] = _strdup(equals + 1);
  }
  fclose(file);
}

/* One call showing the water bill, which prints twice and leaves; the trace it gave is in
 * g_trace. */
static void ShowWaterBill(ShowFormFn showForm, char *dataI[65], char *dataO[65]) {
  const void *const arguments[4] = {&g_host, dataI, dataO, (const void *)(uintptr_t)0x12345678};
  uintptr_t before = 0, after = 0;
  int32_t result;
  g_trace_length = 0;
  g_printed = 0;
  g_keys_posted = 0;
  result = CallShowForm(showForm, arguments, &before, &after);
  CheckFloatSettings("after ShowForm");
  if (result != 1) Fail("ShowForm", "did not return 1");
  if (before != after) Fail("ShowForm", "left the stack unbalanced");
  if (g_printed != 2) Fail("PrintText", "not called once for each Enter");
}

int main(int argc, char **argv) {
  /* Invalid operation and zero divide unmasked; then zero divide and overflow; then overflow. */
  static const unsigned short kHostWords[] = {0x1332, 0x1333, 0x1337};
  /* Invalid operation, zero divide and overflow unmasked. */
  static const unsigned int kHostMxcsr = 0x1900;
  THostServicesVtbl vtbl;
  char *dataI[65] = {0};
  char *dataO[65] = {0};
  HMODULE library;
  ShowFormFn showForm;
  unsigned short startWord;
  unsigned int startMxcsr;
  char first[sizeof g_trace];
  size_t first_length;
  if (argc != 4) {
    fprintf(stderr, "usage: win32_c_host DLL KIOSK-FOLDER TRANSACTION-FILE\n");
    return 2;
  }
  library = LoadLibraryA(argv[1]);
  if (library == NULL) {
    printf("FAIL cannot load %s\n", argv[1]);
    return 1;
  }
  showForm = (ShowFormFn)(void (*)(void))GetProcAddress(library, "ShowForm");
  if (showForm == NULL) {
    printf("FAIL no export named ShowForm\n");
    return 1;
  }
  startWord = X87Control();
  startMxcsr = SseControl();
  ReadTransaction(argv[3], dataI, dataO);
  if (!SetCurrentDirectoryA(argv[2])) Fail("kiosk folder", argv[2]);
  _putenv("INVOICEVIEW_DISPLAY=headless");

  memset(&vtbl, 0, sizeof vtbl);
  vtbl.ReportError = ReportError;
  vtbl.LoadSkinImage = LoadSkinImage;
  vtbl.FormActivated = FormActivated;
  vtbl.TextToValue = TextToValue;
  vtbl.PrintText = PrintText;
  g_host.vtbl = &vtbl;
  g_host.WindowHandle = 0;
  g_host.BusinessKey = "WATER";

  /* The first call, which also loads the system parameters, under the first foreign word;
   * the second with the settings the program started with gives the trace every later call
   * must give. */
  UseFloatSettings(kHostWords[0], kHostMxcsr);
  ShowWaterBill(showForm, dataI, dataO);
  printf("first ShowForm with x87 %04X: %s\n", kHostWords[0], g_failures == 0 ? "the host's settings kept" : "FAILED");
  UseFloatSettings(startWord, startMxcsr);
  ShowWaterBill(showForm, dataI, dataO);
  fwrite(g_trace, 1, g_trace_length, stdout);
  memcpy(first, g_trace, g_trace_length);
  first_length = g_trace_length;
  if (g_texts == 0) Fail("texts", "none received");

  for (size_t i = 0; i < sizeof kHostWords / sizeof kHostWords[0]; ++i) {
    for (int call = 0; call < 2; ++call) {
      char detail[64];
      const int failures = g_failures;
      UseFloatSettings(kHostWords[i], kHostMxcsr);
      ShowWaterBill(showForm, dataI, dataO);
      snprintf(detail, sizeof detail, "with x87 %04X call %d", kHostWords[i], call + 1);
      if (g_trace_length != first_length || memcmp(g_trace, first, first_length) != 0) {
        Fail("trace differs", detail);
        fwrite(g_trace, 1, g_trace_length, stdout);
      }
      printf("ShowForm %s: %s\n", detail, g_failures == failures ? "same trace, the host's settings kept" : "FAILED");
    }
  }
  printf("%d texts checked, %d failures\n", g_texts, g_failures);
  FreeLibrary(library);
  return g_failures == 0 ? 0 : 1;
}
