/* A 32-bit Windows kiosk host with a window of its own, as kiosk vendors write them: a
 * full-screen main window shown and on top before ShowForm is called. It runs the sample water
 * bill on a kiosk folder and does one thing to the invoice screen, then prints what it saw.
 *
 * usage: own_window_host DLL KIOSK-FOLDER TRANSACTION-FILE LAYOUT ACTION [CALLS]
 *   LAYOUT  owner    its window is the screen's owner (WindowHandle)
 *           unowned  its window covers the screen, WindowHandle 0
 *           none     no window of its own, WindowHandle 0
 *   ACTION  shown    snapshots the screen to KIOSK-FOLDER\snaps\001.png once it is up, then waits
 *                    for KIOSK-FOLDER\photographed (the test's photograph of the display) and
 *                    leaves with Escape
 *           escape   presses Escape and then F5 through the system's input once the screen is
 *                    up: prints "escape to return <microseconds>" and, once its own messages
 *                    are handled, "F5 reached the host <n> times" for every call
 *           destroy  destroys the screen's window as the host, once it is up: prints
 *                    "destroyed to return <microseconds>"
 *           memory   CALLS calls, each left with Escape: after the first and each hundredth
 *                    call prints the bytes in use in the process's heaps and its private
 *                    bytes ("call <n> heap <bytes> private <bytes>"), and whether the screen's
 *                    window of that call is gone ("window left" when not)
 * Every call prints "ShowForm returned <result>". */
#include <windows.h>
/* After windows.h, whose types it uses. */
#include <psapi.h>

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include "invoiceview/host_services.h"
#include "tests/windows/variant_from_text.h"

static const char *g_kiosk;
static const char *g_action;
static HWND g_window;
static IvForm *g_form;
static HWND g_screen;
static LARGE_INTEGER g_pressed;
static int g_f5_down;

static void IV_CALL ReportError(THostServices *self, const char *text) {
  (void)self;
  printf("ReportError %s\n", text);
}

static void IV_CALL LoadSkinImage(THostServices *self, IvControl *control, const char *name) {
  char path[MAX_PATH];
  (void)self;
  snprintf(path, sizeof path, "skins\\%s.png", name);
  control->ops->LoadPicture(control, path);
}

static void IV_CALL TextToValue(THostServices *self, const char *text, int32_t kind, IvVariant *out) {
  (void)self;
  VariantFromText(text, kind, out);
}

static void IV_CALL PrintText(THostServices *self, const char *text) {
  (void)self;
  (void)text;
}

static HWND ScreenWindow(void) { return FindWindowW(L"InvoiceViewForm", NULL); }

/* The bytes of every busy block of the process's heaps, where malloc and new take theirs. */
static unsigned long HeapBytesInUse(void) {
  HANDLE heaps[64];
  const DWORD count = GetProcessHeaps(64, heaps);
  unsigned long bytes = 0;
  for (DWORD i = 0; i < count && i < 64; ++i) {
    PROCESS_HEAP_ENTRY entry;
    entry.lpData = NULL;
    if (!HeapLock(heaps[i])) continue;
    while (HeapWalk(heaps[i], &entry))
      if (entry.wFlags & PROCESS_HEAP_ENTRY_BUSY) bytes += entry.cbData;
    HeapUnlock(heaps[i]);
  }
  return bytes;
}

static void Press(BYTE key) {
  const BYTE scan = (BYTE)MapVirtualKeyA(key, MAPVK_VK_TO_VSC);
  keybd_event(key, scan, 0, 0);
  keybd_event(key, scan, KEYEVENTF_KEYUP, 0);
}

/* Escape closes the screen; the F5 right behind it is pressed after the close. */
static void PressEscapeThenF5(void) {
  QueryPerformanceCounter(&g_pressed);
  Press(VK_ESCAPE);
  Press(VK_F5);
}

static LRESULT CALLBACK MainWindowProcedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_KEYDOWN && wParam == VK_F5) ++g_f5_down;
  return DefWindowProcW(window, message, wParam, lParam);
}

/* The host's own loop after a call: its messages until none is left. */
static void HandleOwnMessages(void) {
  MSG message;
  while (PeekMessageW(&message, NULL, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

/* The host's own timer: the screen's loop runs the host's messages while the screen is up. */
static void CALLBACK WhileShown(HWND window, UINT message, UINT_PTR timer, DWORD now) {
  char path[MAX_PATH];
  (void)message;
  (void)now;
  if (strcmp(g_action, "shown") == 0) {
    snprintf(path, sizeof path, "%s\\photographed", g_kiosk);
    if (GetFileAttributesA(path) == INVALID_FILE_ATTRIBUTES) return;
    g_form->ops->PostKey(g_form, VK_ESCAPE);
  } else if (strcmp(g_action, "destroy") == 0) {
    QueryPerformanceCounter(&g_pressed);
    DestroyWindow(ScreenWindow());
  } else if (GetForegroundWindow() == ScreenWindow()) {
    PressEscapeThenF5();
  } else {
    return; /* not the active window yet: the key would go elsewhere */
  }
  KillTimer(window, timer);
}

static void IV_CALL FormActivated(THostServices *self, IvForm *form) {
  char path[MAX_PATH];
  (void)self;
  g_form = form;
  g_screen = ScreenWindow();
  if (strcmp(g_action, "memory") == 0) {
    form->ops->PostKey(form, VK_ESCAPE);
    return;
  }
  if (strcmp(g_action, "shown") == 0) {
    snprintf(path, sizeof path, "%s\\snaps\\001.png", g_kiosk);
    form->ops->PostSnapshot(form, path);
  }
  SetTimer(g_window, 1, 50, WhileShown);
}

/* A UTF-8 value as the GBK text the library takes. */
static char *Gbk(const char *utf8) {
  wchar_t wide[4096];
  char *gbk = malloc(8192);
  const int length = MultiByteToWideChar(CP_UTF8, 0, utf8, -1, wide, 4096);
  WideCharToMultiByte(936, 0, wide, length, gbk, 8192, NULL, NULL);
  return gbk;
}

/* I<n>= and O<n>= lines of a transaction file: GBK, or UTF-8 after a byte-order mark. */
static void ReadTransaction(const char *path, char *dataI[65], char *dataO[65]) {
  FILE *file = fopen(path, "rb");
  char line[4096];
  int utf8 = 0;
  if (file == NULL) return;
  while (fgets(line, sizeof line, file) != NULL) {
    char *text = line;
    char *equals;
    int index;
    if (strncmp(line, "\xEF\xBB\xBF", 3) == 0) {
      utf8 = 1;
      text += 3;
    }
    text[strcspn(text, "\r\n")] = '\0';
    equals = strchr(text, '=');
    if ((text[0] != 'I' && text[0] != 'O') || equals == NULL) continue;
    index = atoi(text + 1);
    if (index >= 0 && index <= 64)
      (text[0] == 'I' ? dataI : dataO)[index] = utf8 ? Gbk(equals + 1) : _strdup(equals + 1);
  }
  fclose(file);
}

static HWND CreateMainWindow(void) {
  WNDCLASSW windowClass;
  HWND window;
  memset(&windowClass, 0, sizeof windowClass);
  windowClass.lpfnWndProc = MainWindowProcedure;
  windowClass.hInstance = GetModuleHandleW(NULL);
  windowClass.hbrBackground = (HBRUSH)(COLOR_WINDOW + 1);
  windowClass.lpszClassName = L"OwnWindowHost";
  RegisterClassW(&windowClass);
  window = CreateWindowW(L"OwnWindowHost", L"Kiosk", WS_POPUP | WS_VISIBLE, 0, 0, GetSystemMetrics(SM_CXSCREEN),
                         GetSystemMetrics(SM_CYSCREEN), NULL, NULL, windowClass.hInstance, NULL);
  SetWindowPos(window, HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE);
  SetForegroundWindow(window);
  UpdateWindow(window);
  return window;
}

static long long Microseconds(LARGE_INTEGER from, LARGE_INTEGER to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return (to.QuadPart - from.QuadPart) * 1000000 / frequency.QuadPart;
}

int main(int argc, char **argv) {
  static const THostServicesVtbl vtbl = {.ReportError = ReportError,
                                         .LoadSkinImage = LoadSkinImage,
                                         .FormActivated = FormActivated,
                                         .TextToValue = TextToValue,
                                         .PrintText = PrintText};
  THostServices host = {&vtbl, {NULL, NULL}, 0, "WATER"};
  char *dataI[65] = {0}, *dataO[65] = {0};
  HMODULE library;
  ShowFormFn showForm;
  int calls;
  if (argc < 6) {
    fprintf(stderr, "usage: own_window_host DLL KIOSK-FOLDER TRANSACTION-FILE LAYOUT ACTION [CALLS]\n");
    return 2;
  }
  g_kiosk = argv[2];
  g_action = argv[5];
  calls = argc > 6 ? atoi(argv[6]) : 1;
  library = LoadLibraryA(argv[1]);
  showForm = library != NULL ? (ShowFormFn)(void (*)(void))GetProcAddress(library, "ShowForm") : NULL;
  if (showForm == NULL) {
    printf("cannot load ShowForm from %s\n", argv[1]);
    return 1;
  }
  ReadTransaction(argv[3], dataI, dataO);
  if (!SetCurrentDirectoryA(g_kiosk)) {
    printf("cannot enter %s\n", g_kiosk);
    return 1;
  }
  if (strcmp(argv[4], "none") != 0) g_window = CreateMainWindow();
  if (strcmp(argv[4], "owner") == 0) host.WindowHandle = (uintptr_t)g_window;

  for (int call = 1; call <= calls; ++call) {
    LARGE_INTEGER returned;
    const int32_t result = showForm(&host, (const char *const *)dataI, (const char *const *)dataO, 0);
    QueryPerformanceCounter(&returned);
    printf("ShowForm returned %d\n", (int)result);
    if (strcmp(g_action, "escape") == 0) {
      printf("escape to return %lld\n", Microseconds(g_pressed, returned));
      g_f5_down = 0;
      HandleOwnMessages();
      printf("F5 reached the host %d times\n", g_f5_down);
    }
    if (strcmp(g_action, "destroy") == 0) printf("destroyed to return %lld\n", Microseconds(g_pressed, returned));
    if (strcmp(g_action, "memory") == 0 && g_screen != NULL && IsWindow(g_screen)) printf("window left\n");
    if (strcmp(g_action, "memory") == 0 && (call == 1 || call % 100 == 0)) {
      PROCESS_MEMORY_COUNTERS_EX memory;
      GetProcessMemoryInfo(GetCurrentProcess(), (PROCESS_MEMORY_COUNTERS *)&memory, sizeof memory);
      printf("call %d heap %lu private %lu\n", call, HeapBytesInUse(), (unsigned long)memory.PrivateUsage);
    }
    fflush(stdout);
  }
  if (g_window != NULL) DestroyWindow(g_window);
  return 0;
}
