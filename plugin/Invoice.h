#pragma once
// The plug-in's chief header: the one entry a kiosk host calls.
#include "invoiceview/host_services.h"
