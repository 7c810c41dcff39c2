#pragma once
// A QR code of a text, as large as the widget allows: each module a filled square of
// whole pixels, black on white, inside a quiet zone four modules wide, so that a
// camera across the classroom reads it off a projector.

#include <QWidget>

#include <vector>

class TQrCodeView : public QWidget {
public:
    explicit TQrCodeView(QWidget* Parent = nullptr);

    // The text to encode; empty shows nothing but white.
    void SetText(const QString& Text);
    const QString& Text() const { return FText; }

protected:
    void paintEvent(QPaintEvent* Event) override;

private:
    QString FText;
    int FModules = 0;         // the modules on a side, the quiet zone not counted
    std::vector<bool> FDark;  // row by row
};
