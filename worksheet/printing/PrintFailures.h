#pragma once
// The ways a print can fail, and the words the user reads for each: the printing
// layer's own messages, and for a missing printer what the teacher can do about it.

#include "Texts.h"

#include <QString>

#include <cstdint>

enum TPrintFailure : std::uint8_t {
    pfNone,
    pfNoPrinter,     // no printer to print to: nothing would come out anywhere
    pfUnsupported,   // the printer refused something the print needs
    pfBusy,          // a print is already running
};

inline QString PrintFailureText(TPrintFailure Failure)
{
    switch (Failure) {
    case pfNoPrinter: return Texts::PrintNoPrinter;
    case pfUnsupported: return Texts::PrintUnsupported;
    case pfBusy: return Texts::PrintBusy;
    case pfNone: break;
    }
    return {};
}
