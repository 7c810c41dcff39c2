#include "controls/RadioButton.h"

#include <QEvent>

TRadioButton::TRadioButton(QWidget* Parent) : QRadioButton(Parent)
{
    // Qt has already unchecked the siblings when toggled(true) arrives, so the
    // handler sees the group as it now stands.
    connect(this, &QAbstractButton::toggled, this, [this](bool On) {
        KeepRadioTabStop(parentWidget());
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

void TRadioButton::changeEvent(QEvent* Event)
{
    QRadioButton::changeEvent(Event);
    if (Event->type() == QEvent::EnabledChange)
        KeepRadioTabStop(parentWidget());
}

QRadioButton* RadioTabStop(const QWidget* Parent)
{
    if (!Parent)
        return nullptr;
    const auto buttons = Parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly);
    for (QRadioButton* button : buttons)
        if (button->isChecked() && button->isEnabled())
            return button;
    for (QRadioButton* button : buttons)
        if (button->isEnabled())
            return button;
    return nullptr;
}

void KeepRadioTabStop(QWidget* Parent)
{
    if (!Parent)
        return;
    const QRadioButton* stop = RadioTabStop(Parent);
    for (QRadioButton* button : Parent->findChildren<QRadioButton*>(Qt::FindDirectChildrenOnly))
        button->setFocusPolicy(button == stop ? Qt::StrongFocus : Qt::ClickFocus);
}
