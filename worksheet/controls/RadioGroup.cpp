#include "controls/RadioGroup.h"

#include "controls/GroupAccelerator.h"
#include "controls/RadioButton.h"

#include <QRadioButton>
#include <QResizeEvent>

#include <algorithm>

TRadioGroup::TRadioGroup(QWidget* Parent) : QGroupBox(Parent)
{
    // The caption's accelerator, like Tab, goes to the choice made.
    SendAcceleratorTo(this, [this] { return RadioTabStop(this); });
}

void TRadioGroup::SetItems(const QStringList& Items)
{
    qDeleteAll(FButtons);
    FButtons.clear();
    FItemIndex = -1;
    for (int i = 0; i < Items.size(); ++i) {
        auto* button = new QRadioButton(Items[i], this);
        connect(button, &QAbstractButton::toggled, this, [this, i](bool On) {
            KeepRadioTabStop(this);
            // A selection made from code has already stored its index.
            if (On && i != FItemIndex) {
                FItemIndex = i;
                Click();
            }
        });
        FButtons.append(button);
        button->show();
    }
    KeepRadioTabStop(this);
    ArrangeButtons();
}

void TRadioGroup::SetItemIndex(int Index)
{
    if (Index < -1 || Index >= ItemCount())
        Index = -1;
    if (Index == FItemIndex)
        return;
    FItemIndex = Index;
    ShowSelection();
    Click();
}

void TRadioGroup::ShowSelection()
{
    for (int i = 0; i < ItemCount(); ++i) {
        // Exclusivity would keep the last checked button checked when none is wanted.
        FButtons[i]->setAutoExclusive(false);
        FButtons[i]->setChecked(i == FItemIndex);
        FButtons[i]->setAutoExclusive(true);
    }
}

void TRadioGroup::Click()
{
    if (FOnClick)
        FOnClick(this);
}

void TRadioGroup::resizeEvent(QResizeEvent* Event)
{
    QGroupBox::resizeEvent(Event);
    ArrangeButtons();
}

void TRadioGroup::ArrangeButtons()
{
    // One column of equal rows below the caption, the spare pixels split above and
    // below, as the worksheet's layout was drawn.
    if (FButtons.isEmpty())
        return;
    const int count = ItemCount();
    const int textHeight = font().pixelSize() > 0 ? font().pixelSize() : fontMetrics().height();
    const int usable = std::max(0, height() - textHeight - 5);
    const int rowHeight = usable / count;
    const int topMargin = textHeight + 1 + (usable % count) / 2;
    const int rowWidth = std::max(0, width() - 10);
    for (int i = 0; i < count; ++i)
        FButtons[i]->setGeometry(8, topMargin + i * rowHeight, rowWidth, rowHeight);
}
