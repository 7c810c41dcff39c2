#pragma once
// A worksheet label: sizes itself to its text and paints its background in the
// window colour, so a later label hides what an earlier one has under it. Spaces
// count, trailing ones too: the underlined blanks and the name line are made of them.

#include <QLabel>

class TLabel : public QLabel {
    Q_OBJECT

public:
    explicit TLabel(QWidget* Parent = nullptr);

    // Sets the text and resizes the label to it, keeping its top-left corner.
    void SetCaption(const QString& Caption);

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

protected:
    void paintEvent(QPaintEvent* Event) override;
    void changeEvent(QEvent* Event) override;
};
