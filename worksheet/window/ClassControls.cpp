// The class on tablets from the window: "クラス(&J)" opens the class panel over the
// right of the sheet, beside the settings panel, so that the teacher can change the
// settings and see the class follow them. The class draws its pupils' sheets with the
// teacher's settings; while the window's practice steps up, each pupil climbs a ladder
// of their own instead, never the window's.

#include "window/UnitKestrum.h"

#include "Texts.h"
#include "window/ClassPanel.h"

#include <QPushButton>

void TFormKestrum::CreateClassPanel()
{
    ButtonClass = new QPushButton(Texts::ButtonClass, this);
    ButtonClass->setObjectName(QStringLiteral("ButtonClass"));
    ButtonClass->setGeometry(ClassButtonPlace);
    ButtonClass->setToolTip(Texts::HintClass);
    PanelClass = new TClassPanel(this);
    PanelClass->setGeometry(ClassPanelPlace);
    PanelClass->hide();
}

void TFormKestrum::WireClassPanel()
{
    connect(ButtonClass, &QPushButton::clicked, this, [this] { ButtonClassClick(ButtonClass); });
    // No Escape of its own: the settings panel, open beside it, has that key.
    connect(PanelClass->CloseButton(), &QPushButton::clicked, this, &TFormKestrum::ClosePanelClass);
}

void TFormKestrum::ButtonClassClick(QObject*)
{
    PanelClass->Open(SteppingUp() ? FTeacherSettings : FShown.Settings, SteppingUp());
}

void TFormKestrum::ClosePanelClass()
{
    PanelClass->hide();
    ButtonClass->setFocus(Qt::ShortcutFocusReason);
}

void TFormKestrum::SetClassDataPath(const QString& Path) { PanelClass->SetDataPath(Path); }

void TFormKestrum::ClassFollowsSettings()
{
    if (PanelClass)
        PanelClass->FollowSettings(SteppingUp() ? FTeacherSettings : FShown.Settings, SteppingUp());
}
