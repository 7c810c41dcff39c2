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

QFont AnswerFont(int PixelHeight, bool Underline)
{
    // Its digits are 0.63 em wide, the fixed-pitch ones half an em: 79 % keeps them
    // within that. Both faces share their heights, so the labels keep their size.
    QFont font(MsPGothic);
    font.setPixelSize(PixelHeight);
    font.setUnderline(Underline);
    font.setStretch(79);
    return font;
}

QStringList MissingSheetFonts()
{
    // hasFamily knows a face by any of its names: on a Japanese desktop the families
    // are listed by their Japanese names (IPAゴシック), not by the names asked for here.
    // Its aliases are known only once the list is read.
    QFontDatabase::families();
    QStringList missing;
    for (const QString& face : {IpaGothic, IpaPGothic})
        if (!QFontDatabase::hasFamily(face))
            missing << face;
    return missing;
}

void WarnOfMissingFonts(QWidget& Window)
{
    const QStringList missing = MissingSheetFonts();
    if (missing.isEmpty())
        return;
    auto* box = new QMessageBox(QMessageBox::Warning, Texts::WindowCaption,
                                Texts::FontsMissing.arg(missing.join(Texts::FontListSeparator),
                                                        QLatin1String(SheetFontPackage)),
                                QMessageBox::Ok, &Window);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->open();
}
