#pragma once
// Practice as a child sees it: the sheet scaled to fill the window, with the input boxes
// over it, and beside it a strip of its own for the practice controls, the score and
// the tally, in a type read from across a classroom. Nothing covers the sheet. On a
// projector the teacher shows the same fitted sheet without the boxes.
//
// The stage lies over the whole window while it shows; the window's own controls and
// its sheet view stay as they are under it, and the sheet it draws is that view.

#include <QWidget>

class QBoxLayout;
class QFrame;
class QLabel;
class TFittedSheet;
class TPracticeOverlay;
class TSheetView;

class TPracticeStage : public QWidget {
    Q_OBJECT

public:
    TPracticeStage(const TSheetView& View, QWidget* Parent);

    TPracticeOverlay& Overlay() const { return *FOverlay; }
    // Puts a practice control of the window's into the strip, in order: it shows in practice.
    void AddToStrip(QWidget* Control);
    // The check box that turned the stage on goes first in the strip, to turn it off.
    void PutSwitch(QWidget* Switch);
    QWidget* Strip() const;
    // The boxes and the practice labels over the sheet; off, the fitted sheet alone.
    void SetPractising(bool On);
    // The ladder's level, or nothing when the teacher chooses the sheets.
    void SetLevel(const QString& Level);
    // The sheet view has changed: the fitted sheet draws it again.
    void SheetChanged();

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void LayOut();

    const TSheetView& FView;
    TFittedSheet* FFitted = nullptr;
    TPracticeOverlay* FOverlay = nullptr;
    QFrame* FStrip = nullptr;
    QBoxLayout* FStripLayout = nullptr;
    QLabel* FLevel = nullptr;
    QList<QWidget*> FPracticeOnly;  // the strip's controls and status lines, shown in practice only
};
