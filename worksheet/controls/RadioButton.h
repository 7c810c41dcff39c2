#pragma once
// A radio button whose OnClick runs when it becomes checked, by a click or from code,
// and never when it is unchecked. Checking it unchecks the radio buttons that share
// its parent.

#include "controls/NotifyEvent.h"

#include <QRadioButton>

class TRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TRadioButton(QWidget* Parent = nullptr);

    bool Checked() const { return isChecked(); }
    // Unchecking is allowed too, even when this is the group's only checked button.
    void SetChecked(bool Checked);

    void SetOnClick(TNotifyEvent Handler) { FOnClick = std::move(Handler); }

protected:
    void changeEvent(QEvent* Event) override;

private:
    TNotifyEvent FOnClick;
};

// Of the radio buttons directly inside Parent, the one the keyboard reaches: the
// checked one, or the first enabled one when none is checked or the checked one is
// disabled. Null when none is enabled.
QRadioButton* RadioTabStop(const QWidget* Parent);

// Lets Tab stop only at that button; the arrow keys still move among the others. So
// Tab into a set of choices lands on the choice made, and Space cannot change it.
void KeepRadioTabStop(QWidget* Parent);
