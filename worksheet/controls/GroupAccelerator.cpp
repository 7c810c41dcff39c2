#include "controls/GroupAccelerator.h"

#include <QEvent>
#include <QGroupBox>

namespace {

class TAcceleratorFilter final : public QObject {
public:
    TAcceleratorFilter(QObject* Parent, std::function<QWidget*()> Target)
        : QObject(Parent), FTarget(std::move(Target))
    {
    }

protected:
    bool eventFilter(QObject*, QEvent* Event) override
    {
        if (Event->type() != QEvent::Shortcut)
            return false;
        if (QWidget* target = FTarget(); target && target->isEnabled())
            target->setFocus(Qt::ShortcutFocusReason);
        return true;
    }

private:
    std::function<QWidget*()> FTarget;
};

}  // namespace

void SendAcceleratorTo(QGroupBox* Box, std::function<QWidget*()> Target)
{
    Box->installEventFilter(new TAcceleratorFilter(Box, std::move(Target)));
}
