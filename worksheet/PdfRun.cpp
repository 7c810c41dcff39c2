#include "PdfRun.h"

#include "ArgumentText.h"
#include "CommandLineTexts.h"
#include "printing/PdfExport.h"
#include "printing/SheetDocument.h"
#include "view/Fonts.h"

#include <cstdio>

int RunPdf(const TCommandLine& Line)
{
    const std::optional<TSheet> first = FirstSheet(Line);
    if (!first) {
        std::fprintf(stderr, "kestrum: %s\n", qPrintable(CommandLineTexts::TooFewWeights.Text()));
        return CommandLineError;
    }
    // Without its faces the sheet's texts would come out as boxes: no file is better.
    if (const QStringList missing = MissingSheetFonts(); !missing.isEmpty()) {
        std::fprintf(stderr, "kestrum: %s\n",
                     qPrintable(CommandLineTexts::FontsMissing.arg(missing.join(QStringLiteral(", ")),
                                                                   QLatin1String(SheetFontPackage))));
        return CommandLineError;
    }
    TSheetDocument document(DrawSet(*first, Line.Sheets), Line.Answers);
    const TPdfResult result = SavePdfToFileName(document, ArgumentBytes(Line.PdfPath));
    if (!result.Saved) {
        std::fprintf(stderr, "kestrum: %s\n",
                     qPrintable(CommandLineTexts::CannotWrite.arg(Echo(Line.PdfPath), OneLine(result.Reason))));
        return CommandLineError;
    }
    return 0;
}
