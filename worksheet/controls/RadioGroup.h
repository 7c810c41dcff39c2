#pragma once
// A framed group of exclusive choices with an ItemIndex (−1 for none). Setting the
// index from code behaves like the user's click: OnClick runs, but only when the
// selection really changes.

#include "controls/NotifyEvent.h"

#include <QGroupBox>
#include <QList>
#include <QStringList>

class QRadioButton;

class TRadioGroup : public QGroupBox {
    Q_OBJECT

public:
    explicit TRadioGroup(QWidget* Parent = nullptr);

    void SetItems(const QStringList& Items);
    int ItemCount() const { return static_cast<int>(FButtons.size()); }
    QRadioButton* Button(int Index) const { return FButtons.value(Index); }

    int ItemIndex() const { return FItemIndex; }
    // An index outside the items selects none.
    void SetItemIndex(int Index);

    void SetOnClick(TNotifyEvent Handler) { FOnClick = std::move(Handler); }

protected:
    void resizeEvent(QResizeEvent* Event) override;

private:
    void ShowSelection();
    void ArrangeButtons();
    void Click();

    QList<QRadioButton*> FButtons;
    int FItemIndex = -1;
    TNotifyEvent FOnClick;
};
