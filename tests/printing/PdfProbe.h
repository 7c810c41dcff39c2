#pragma once
// Reads a printed PDF the way a person checks a print: poppler's pdfinfo for the
// pages and the paper, pdftoppm for where the ink is, pdftotext for which words
// made it onto the page, pdfimages for whether anything was printed as a bitmap.

#include <QColor>
#include <QImage>
#include <QProcess>
#include <QRect>
#include <QRegularExpression>
#include <QSizeF>
#include <QStandardPaths>
#include <QString>
#include <QTemporaryDir>

#include <functional>
#include <optional>

namespace PdfProbe {

// Empty when poppler-utils is installed; otherwise what to say when skipping.
inline QString MissingTools()
{
    for (const char* tool : {"pdfinfo", "pdftoppm", "pdftotext", "pdfimages"})
        if (QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty())
            return QStringLiteral("%1 not found: install poppler-utils (scripts/setup.sh)")
                .arg(QString::fromLatin1(tool));
    return {};
}

inline std::optional<QByteArray> Run(const QString& Tool, const QStringList& Arguments)
{
    QProcess process;
    process.start(Tool, Arguments);
    if (!process.waitForFinished(60000) || process.exitStatus() != QProcess::NormalExit ||
        process.exitCode() != 0)
        return std::nullopt;
    return process.readAllStandardOutput();
}

struct TInfo {
    int Pages = 0;
    QSizeF PageSize;  // in points, as the page is shown (rotation applied)
};

inline std::optional<TInfo> Info(const QString& Path)
{
    const auto out = Run(QStringLiteral("pdfinfo"), {Path});
    if (!out)
        return std::nullopt;
    const QString text = QString::fromUtf8(*out);
    TInfo info;
    const auto pages = QRegularExpression(QStringLiteral("^Pages:\\s+(\\d+)"),
                                          QRegularExpression::MultilineOption)
                           .match(text);
    const auto size = QRegularExpression(QStringLiteral("^Page size:\\s+([\\d.]+) x ([\\d.]+) pts"),
                                         QRegularExpression::MultilineOption)
                          .match(text);
    const auto rotation = QRegularExpression(QStringLiteral("^Page rot:\\s+(\\d+)"),
                                             QRegularExpression::MultilineOption)
                              .match(text);
    if (!pages.hasMatch() || !size.hasMatch())
        return std::nullopt;
    info.Pages = pages.captured(1).toInt();
    info.PageSize = QSizeF(size.captured(1).toDouble(), size.captured(2).toDouble());
    if (rotation.hasMatch() && rotation.captured(1).toInt() % 180 == 90)
        info.PageSize.transpose();
    return info;
}

// The first page as an image at Dpi dots per inch.
inline QImage Rasterize(const QString& Path, int Dpi)
{
    QTemporaryDir dir;
    const QString stem = dir.filePath(QStringLiteral("page"));
    if (!Run(QStringLiteral("pdftoppm"), {QStringLiteral("-r"), QString::number(Dpi),
                                         QStringLiteral("-png"), QStringLiteral("-singlefile"),
                                         Path, stem}))
        return {};
    return QImage(stem + QStringLiteral(".png")).convertToFormat(QImage::Format_RGB32);
}

inline QString Text(const QString& Path)
{
    const auto out = Run(QStringLiteral("pdftotext"), {Path, QStringLiteral("-")});
    return out ? QString::fromUtf8(*out) : QString();
}

// How many pictures the PDF holds; -1 when it cannot be read.
inline int ImageCount(const QString& Path)
{
    const auto out = Run(QStringLiteral("pdfimages"), {QStringLiteral("-list"), Path});
    if (!out)
        return -1;
    // Two header lines, then one line per image.
    return std::max(0, static_cast<int>(out->trimmed().count('\n')) - 1);
}

using TPixelTest = std::function<bool(QRgb)>;

inline bool IsInk(QRgb p) { return qGray(p) < 128; }
// A strong colour of the given hue, as opposed to black, white or grey.
inline TPixelTest IsHue(int Hue)
{
    return [Hue](QRgb p) {
        const QColor c = QColor::fromRgb(p);
        return c.hsvSaturation() > 128 && c.value() > 96 && std::abs(c.hsvHue() - Hue) < 30;
    };
}

inline QRect Bounds(const QImage& Image, const TPixelTest& Test)
{
    QRect box;
    for (int y = 0; y < Image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        for (int x = 0; x < Image.width(); ++x)
            if (Test(line[x]))
                box |= QRect(x, y, 1, 1);
    }
    return box;
}

inline int Count(const QImage& Image, const TPixelTest& Test)
{
    int n = 0;
    for (int y = 0; y < Image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(Image.constScanLine(y));
        for (int x = 0; x < Image.width(); ++x)
            n += Test(line[x]) ? 1 : 0;
    }
    return n;
}

}  // namespace PdfProbe
