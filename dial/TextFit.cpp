#include "dial/TextFit.h"

#include "dial/FontSubstitutions.h"

#include <QImage>
#include <QPainter>

#include <algorithm>
#include <map>
#include <mutex>
#include <tuple>

namespace {

// Narrower than this a numeral stops reading as the same figures; the boxes never
// ask for it with our face.
constexpr int MinStretch = 50;

// Limits of measuring: the worksheet's dials at 200 % have numerals of under 60 pixels
// in boxes under 200 pixels wide; twice that is still measured.
constexpr int MaxMeasuredPixels = 120;
constexpr int MaxMeasuredBox = 500;
constexpr std::size_t MaxCachedFits = 4096;

bool FitsAcross(const QRect& ink, int BoxWidth)
{
    return ink.isNull() || (ink.left() >= 0 && ink.right() < BoxWidth);
}

}  // namespace

QString NumeralFamily()
{
    // The table is registered before the first numeral asks for its face.
    static const bool registered = (RegisterFontSubstitutions(), true);
    (void)registered;
    return MsPGothic;
}

QFont NumeralFont(int PixelSize, int Stretch)
{
    QFont font(NumeralFamily());
    font.setPixelSize(std::max(1, PixelSize));
    font.setStretch(Stretch);
    font.setStyleStrategy(QFont::PreferAntialias);
    return font;
}

QRect InkBounds(const QString& Text, const QFont& Font, int BoxWidth, int BoxHeight, int Flags)
{
    // Room on every side for ink well outside the box.
    const int margin = std::max(BoxWidth, BoxHeight) + 2 * Font.pixelSize();
    QImage image(BoxWidth + 2 * margin, BoxHeight + 2 * margin, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    {
        QPainter painter(&image);
        painter.setRenderHint(QPainter::TextAntialiasing, true);
        painter.setFont(Font);
        painter.setPen(Qt::black);
        painter.drawText(QRect(margin, margin, BoxWidth, BoxHeight), Flags | Qt::TextDontClip, Text);
    }
    int left = image.width(), top = image.height(), right = -1, bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        const auto* row = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(row[x]) == 0)
                continue;
            left = std::min(left, x);
            right = std::max(right, x);
            top = std::min(top, y);
            bottom = std::max(bottom, y);
        }
    }
    if (right < 0)
        return {};
    return QRect(QPoint(left - margin, top - margin), QPoint(right - margin, bottom - margin));
}

TTextFit FitText(const QString& Text, int PixelSize, int BoxWidth, int BoxHeight, int Flags)
{
    // The one cache the paint keeps: measuring costs several renders of the text into
    // an image, some milliseconds a dial, and a new layout of any dial (another
    // capacity, size or zoom) asks again for fits that the session has measured before.
    // The class server paints dials on threads of its own beside the window's: the cache
    // is shared under a lock, and a fit two threads measure at once is measured twice.
    using TKey = std::tuple<QString, int, int, int, int>;
    static std::map<TKey, TTextFit> cache;
    static std::mutex cacheLock;
    const TKey key{Text, PixelSize, BoxWidth, BoxHeight, Flags};
    {
        const std::lock_guard lock(cacheLock);
        if (const auto found = cache.find(key); found != cache.end())
            return found->second;
    }

    TTextFit fit;
    // Measuring renders the text into an image several times its box. Sizes far beyond
    // any dial this control is built for are drawn as they come rather than measured,
    // and the cache is emptied before a stream of odd sizes can make it grow for ever.
    if (PixelSize > MaxMeasuredPixels || BoxWidth > MaxMeasuredBox || BoxHeight > MaxMeasuredBox)
        return fit;
    QRect ink = InkBounds(Text, NumeralFont(PixelSize), BoxWidth, BoxHeight, Flags);
    if (!FitsAcross(ink, BoxWidth)) {
        // Start from the proportional guess and narrow a percent at a time: the ink of
        // hinted glyphs does not shrink exactly in proportion.
        fit.Stretch = std::clamp(100 * BoxWidth / std::max(1, ink.width()), MinStretch, 99);
        for (;;) {
            ink = InkBounds(Text, NumeralFont(PixelSize, fit.Stretch), BoxWidth, BoxHeight, Flags);
            if (FitsAcross(ink, BoxWidth) || fit.Stretch <= MinStretch)
                break;
            --fit.Stretch;
        }
    }
    // A descender below the box is lifted into it, but never so far that the top of
    // the text would leave the box instead.
    if (!ink.isNull() && ink.bottom() >= BoxHeight && ink.top() > 0)
        fit.Raise = std::min(ink.bottom() + 1 - BoxHeight, ink.top());
    fit.InkInside = ink.isNull() || QRect(0, 0, BoxWidth, BoxHeight).contains(ink.translated(0, -fit.Raise));
    const std::lock_guard lock(cacheLock);
    if (cache.size() >= MaxCachedFits)
        cache.clear();
    cache.emplace(key, fit);
    return fit;
}
