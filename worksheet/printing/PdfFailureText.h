#pragma once
// Why a PDF was not saved, in the window's language.

#include "printing/PdfExport.h"

#include <QString>

// The reason for Result in Japanese; never empty for a save that failed.
QString PdfFailureText(const TPdfResult& Result);
