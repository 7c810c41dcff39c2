#include "practice/PracticeStage.h"

#include "practice/FittedSheet.h"
#include "practice/PracticeOverlay.h"
#include "view/Fonts.h"
#include "view/SheetView.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QFrame>
#include <QLabel>

#include <algorithm>

namespace {

// Room for the practice words under each row of dials, in page pixels: two lines of
// the mistake's words and one of the way to read the dial.
constexpr int BandHeight = 56;
// The strip: wide enough for its buttons in a child's type, and the type itself.
constexpr int StripMinWidth = 190;
constexpr int StripFontHeight = 20;
constexpr int StripMargin = 8;

QLabel* MakeStripLabel(QWidget* Parent, const char* Name)
{
    auto* label = new QLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->setWordWrap(true);
    label->setFont(GothicFont(StripFontHeight));
    return label;
}

}  // namespace

TPracticeStage::TPracticeStage(const TSheetView& View, QWidget* Parent) : QWidget(Parent), FView(View)
{
    setObjectName(QStringLiteral("PracticeStage"));
    setAutoFillBackground(true);
    FFitted = new TFittedSheet(View, BandHeight, this);
    FStrip = new QFrame(this);
    FStrip->setObjectName(QStringLiteral("PanelPractice"));
    FStrip->setFont(GothicFont(StripFontHeight));
    FStripLayout = new QBoxLayout(QBoxLayout::TopToBottom, FStrip);
    FStripLayout->setContentsMargins(StripMargin, StripMargin, StripMargin, StripMargin);
    TPracticeStatus status;
    FLevel = MakeStripLabel(FStrip, "LabelLevel");
    status.Score = MakeStripLabel(FStrip, "LabelScore");
    status.Praise = MakeStripLabel(FStrip, "LabelPraise");
    status.Tally = MakeStripLabel(FStrip, "LabelTally");
    QPalette praise = status.Praise->palette();
    praise.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    status.Praise->setPalette(praise);
    for (QLabel* label : {FLevel, status.Score, status.Praise, status.Tally}) {
        FStripLayout->addWidget(label);
        FPracticeOnly << label;
    }
    // The controls and the status lines stay together at the top.
    FStripLayout->addStretch();
    FOverlay = new TPracticeOverlay(View, *FFitted, status, FFitted);
}

void TPracticeStage::AddToStrip(QWidget* Control)
{
    Control->setParent(FStrip);
    Control->setFont(FStrip->font());
    // Before the status lines.
    // A check box keeps its own width: it takes clicks on its box and caption only.
    const bool checkBox = qobject_cast<QCheckBox*>(Control) != nullptr;
    FStripLayout->insertWidget(FStripLayout->indexOf(FLevel), Control, 0, checkBox ? Qt::AlignLeft : Qt::Alignment());
    FPracticeOnly << Control;
}

void TPracticeStage::PutSwitch(QWidget* Switch)
{
    Switch->setParent(FStrip);
    Switch->setFont(FStrip->font());
    FStripLayout->insertWidget(0, Switch, 0, Qt::AlignLeft);
    Switch->setAutoFillBackground(false);
    Switch->show();
}

QWidget* TPracticeStage::Strip() const { return FStrip; }

void TPracticeStage::SetPractising(bool On)
{
    FFitted->SetBand(On ? BandHeight : 0);
    LayOut();
    FOverlay->setVisible(On);
    for (QWidget* label : FPracticeOnly)
        label->setVisible(On);
}

void TPracticeStage::SetLevel(const QString& Level) { FLevel->setText(Level); }

void TPracticeStage::SheetChanged() { FFitted->update(); }

void TPracticeStage::resizeEvent(QResizeEvent* Event)
{
    QWidget::resizeEvent(Event);
    LayOut();
}

void TPracticeStage::LayOut()
{
    // Landscape screens get the strip beside the sheet, where the sheet, fitted to the
    // height, leaves room; portrait ones get it above.
    const QSize page = FFitted->PageSize();
    const bool beside = width() * page.height() >= height() * page.width();
    if (beside) {
        const int strip = std::max(StripMinWidth, FStrip->sizeHint().width());
        const int sheetWidth = std::min(width() - strip, height() * page.width() / page.height());
        FFitted->FitInto(QRect(0, 0, sheetWidth, height()));
        const int left = FFitted->geometry().right() + 1;
        FStrip->setGeometry(left, 0, width() - left, height());
        FStripLayout->setDirection(QBoxLayout::TopToBottom);
    } else {
        const int stripHeight = FStrip->sizeHint().height();
        FStrip->setGeometry(0, 0, width(), stripHeight);
        FFitted->FitInto(QRect(0, stripHeight, width(), height() - stripHeight));
    }
    FOverlay->setGeometry(FFitted->rect());
    FOverlay->LayOut();
}
