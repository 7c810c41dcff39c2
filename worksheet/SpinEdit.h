#pragma once
// A number box with up and down arrows. MinValue, MaxValue and Increment are plain
// stored numbers; a value is limited to [MinValue, MaxValue] except when the two are
// equal, when any number is accepted. Text that is not a whole number reads as
// MinValue. Every change of the text runs OnChange.

#include "DialTypes.h"

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

    std::int32_t Value() const;
    void SetValue(std::int32_t v);

    void SetOnChange(TNotifyEvent Handler) { FOnChange = std::move(Handler); }

protected:
    void keyPressEvent(QKeyEvent* Event) override;
    void focusOutEvent(QFocusEvent* Event) override;
    void resizeEvent(QResizeEvent* Event) override;

private:
    std::int32_t CheckValue(std::int64_t v) const;
    void Step(std::int64_t Delta);

    std::int32_t FMinValue = 0;
    std::int32_t FMaxValue = 0;
    std::int32_t FIncrement = 1;
    QToolButton* FUp;
    QToolButton* FDown;
    TNotifyEvent FOnChange;
};
