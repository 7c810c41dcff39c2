#include "view/Fonts.h"

#include "Texts.h"

#include <QFontDatabase>
#include <QMessageBox>

QFont GothicFont(int PixelHeight, bool Underline)
{
    QFont font(MsGothic);
    font.setPixelSize(PixelHeight);
    font.setUnderline(Underline);
    return font;
}

QStringList MissingSheetFonts()
{
    const QStringList installed = QFontDatabase::families();
    QStringList missing;
    for (const QString& face : {IpaGothic, IpaPGothic})
        if (!installed.contains(face, Qt::CaseInsensitive))
            missing << face;
    return missing;
}

void WarnOfMissingFonts(QWidget& Window)
{
    const QStringList missing = MissingSheetFonts();
    if (missing.isEmpty())
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, Texts::WindowCaption,
                                Texts::FontsMissing.arg(missing.join(QStringLiteral("、")),
                                                        QLatin1String(SheetFontPackage)),
                                QMessageBox::Ok, &Window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
