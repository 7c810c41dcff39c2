#pragma once
// A number box with up and down arrows. MinValue, MaxValue and Increment are plain
// stored numbers; a value is limited to [MinValue, MaxValue] except when the two are
// equal, when any number is accepted. Text that is not a whole number reads as
// MinValue. Every change of the text runs OnChange; finishing an edit (Enter, an
// arrow, or leaving a box whose number changed) runs OnEditingDone.

#include "controls/NotifyEvent.h"

#include <QLineEdit>

#include <cstdint>

class QToolButton;

class TSpinEdit : public QLineEdit {
    Q_OBJECT

public:
    explicit TSpinEdit(QWidget* Parent = nullptr);

    std::int32_t MinValue() const { return FMinValue; }
    void SetMinValue(std::int32_t v) { FMinValue = v; }
    std::int32_t MaxValue() const { return FMaxValue; }
    void SetMaxValue(std::int32_t v) { FMaxValue = v; }
    std::int32_t Increment() const { return FIncrement; }
    void SetIncrement(std::int32_t v) { FIncrement = v; }

    // A number too long for the box's range reads as the nearest end of that range,
    // so that limiting it gives the bound it went past.
    std::int32_t Value() const;
    void SetValue(std::int32_t v);

    void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }
    void SetOnEditingDone(TNotifyEvent Handler) { FOnEditingDone = std::move(Handler); }

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    std::int32_t CheckValue(std::int64_t v) const;
    void Step(std::int64_t Delta);
    // Limits and shows the number read; runs OnEditingDone when it differs from the
    // number last settled, or always when Always is set.
    void Settle(bool Always);

    std::int32_t FMinValue = 0;
    std::int32_t FMaxValue = 0;
    std::int32_t FIncrement = 1;
    QString FSettledText;
    QToolButton* FUp;
    QToolButton* FDown;
    TNotifyEvent FOnChange;
    TNotifyEvent FOnEditingDone;
};
