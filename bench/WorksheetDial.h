#pragma once
// The dial as the worksheet shows it, at one capacity, whole or enlarged, with the
// needle part way round so that it crosses marks as it does on a sheet.

#include "dial/PlatformScale.h"

#include <cstdint>

void ConfigureWorksheetDial(TPlatformScale& Dial, TTypeValueMax Capacity, std::uint8_t Zoom);
