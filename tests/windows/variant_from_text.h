/* The test hosts' TextToValue: kind 1 a double, kind 2 a 64-bit integer, any other kind the text
 * itself, as the reference host converts. */
#pragma once
#include <stdlib.h>
#include <string.h>

#include "invoiceview/host_services.h"

static void VariantFromText(const char *text, int32_t kind, IvVariant *out) {
  memset(out, 0, sizeof *out);
  if (kind == 1) {
    out->type = IV_VAR_DOUBLE;
    out->d = atof(text);
  } else if (kind == 2) {
    out->type = IV_VAR_INT;
    out->i = _atoi64(text);
  } else {
    out->type = IV_VAR_STRING;
    out->s = text;
  }
}
