#pragma once
// A radio button whose OnClick runs when it becomes checked, by a click or from code,
// and never when it is unchecked. Checking it unchecks the radio buttons that share
// its parent.

#include "DialTypes.h"

#include <QRadioButton>

class TRadioButton : public QRadioButton {
    Q_OBJECT

public:
    explicit TRadioButton(QWidget* Parent = nullptr);

    bool Checked() const { return isChecked(); }
    // Unchecking is allowed too, even when this is the group's only checked button.
    void SetChecked(bool Checked);

    void SetOnClick(TNotifyEvent Handler) { FOnClick = std::move(Handler); }

private:
    TNotifyEvent FOnClick;
};
