#pragma once
// A worksheet label: sizes itself to its text and paints its background in the
// window colour, so a later label hides what an earlier one has under it. Spaces
// count, trailing ones too: the underlined blanks and the name line are made of them.

#include <QFont>
#include <QLabel>

#include <optional>

class QPainter;

class TLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLabel(QWidget* Parent = nullptr);

    // Sets the text and resizes the label to it, keeping its top-left corner.
    void SetCaption(const QString& Caption);

    // A label may print smaller than the screen shows it: the sheet code, larger on
    // screen to be read at a glance, keeps its size on the page. On the page the text
    // is drawn in PageFont, right-aligned on the label's top-right corner.
    void SetPageFont(const QFont& Font);
    bool PrintsInOwnFont() const { return FPageFont.has_value(); }
    // Draws the label as the page shows it, with the painter at the label's origin.
    void PaintOnPage(QPainter& Painter) const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;

private:
    std::optional<QFont> FPageFont;
};
