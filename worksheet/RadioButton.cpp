#include "RadioButton.h"

TRadioButton::TRadioButton(QWidget* Parent) : QRadioButton(Parent)
{
    // Qt has already unchecked the siblings when toggled(true) arrives, so the
    // handler sees the group as it now stands.
    connect(this, &QAbstractButton::toggled, this, [this](bool On) {
        if (On && FOnClick)
            FOnClick(this);
    });
}

void TRadioButton::SetChecked(bool Checked)
{
    if (Checked || !isChecked()) {
        setChecked(Checked);
        return;
    }
    // Qt refuses to uncheck the last checked button of an exclusive set.
    setAutoExclusive(false);
    setChecked(false);
    setAutoExclusive(true);
}
