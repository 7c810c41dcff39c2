#include "window/QrCodeView.h"

#include <QPainter>

#include <qrencode.h>

#include <memory>

namespace {

constexpr int QuietModules = 4;

}  // namespace

TQrCodeView::TQrCodeView(QWidget* Parent) : QWidget(Parent)
{
    setAutoFillBackground(true);
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
}

void TQrCodeView::SetText(const QString& Text)
{
    FText = Text;
    FModules = 0;
    FDark.clear();
    const QByteArray bytes = Text.toUtf8();
    // Level M takes a smudge or a glare on a tenth of the code; version 0 picks the
    // smallest that holds the text, and larger modules read better from afar.
    const std::unique_ptr<QRcode, void (*)(QRcode*)> code(
        Text.isEmpty() ? nullptr : QRcode_encodeString8bit(bytes.constData(), 0, QR_ECLEVEL_M), QRcode_free);
    if (code) {
        FModules = code->width;
        FDark.resize(static_cast<std::size_t>(FModules) * static_cast<std::size_t>(FModules));
        for (std::size_t i = 0; i < FDark.size(); ++i)
            FDark[i] = (code->data[i] & 1) != 0;
    }
    update();
}

void TQrCodeView::paintEvent(QPaintEvent*)
{
    if (FModules == 0)
        return;
    const int side = FModules + 2 * QuietModules;
    // Whole pixels per module: a fraction would blur the edges the reader looks for.
    const int module = std::min(width(), height()) / side;
    if (module < 1)
        return;
    const int left = (width() - module * side) / 2 + QuietModules * module;
    const int top = (height() - module * side) / 2 + QuietModules * module;
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing, false);
    for (int y = 0; y < FModules; ++y)
        for (int x = 0; x < FModules; ++x)
            if (FDark[static_cast<std::size_t>(y * FModules + x)])
                painter.fillRect(left + x * module, top + y * module, module, module, Qt::black);
}
