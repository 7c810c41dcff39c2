// The window's stored layout: every control at its place, size, caption and font.
// Positions are client-area pixels at 96 dpi; children are placed relative to their
// parent. Siblings stack in creation order, later ones on top, so the order of the
// statements below is part of the layout.

#include "window/UnitKestrum.h"

#include "view/Fonts.h"
#include "controls/GroupAccelerator.h"
#include "controls/Label.h"
#include "controls/RadioButton.h"
#include "controls/RadioGroup.h"
#include "controls/SpinEdit.h"
#include "Texts.h"

#include <QCheckBox>
#include <QFrame>
#include <QGroupBox>
#include <QHeaderView>
#include <QListWidget>
#include <QPushButton>
#include <QStyle>
#include <QStyleFactory>
#include <QTableWidget>

#include <algorithm>

namespace {

template <typename TControl>
TControl* Place(TControl* Control, const char* Name, int Left, int Top, int Width, int Height)
{
    Control->setObjectName(QString::fromLatin1(Name));
    Control->setGeometry(Left, Top, Width, Height);
    return Control;
}

TLabel* MakeLabel(QWidget* Parent, const char* Name, int Left, int Top, const QString& Caption)
{
    auto* label = new TLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->move(Left, Top);
    label->SetCaption(Caption);
    return label;
}

QPushButton* MakeButton(QWidget* Parent, const char* Name, int Left, int Top, int Width,
                        int Height, const QString& Caption)
{
    return Place(new QPushButton(Caption, Parent), Name, Left, Top, Width, Height);
}

// The layout puts a group's first row right below the top of its caption. Styles
// that draw the frame under the caption would run it through that row; the classic
// Windows style draws it through the caption's middle, as the layout expects.
QStyle* FrameStyle()
{
    static QStyle* const style = QStyleFactory::create(QStringLiteral("Windows"));
    return style;
}

template <typename TGroup> TGroup* Framed(TGroup* Group)
{
    if (QStyle* style = FrameStyle())
        Group->setStyle(style);
    return Group;
}

QGroupBox* MakeGroupBox(QWidget* Parent, const char* Name, int Left, int Top, int Width,
                        int Height, const QString& Caption)
{
    return Framed(Place(new QGroupBox(Caption, Parent), Name, Left, Top, Width, Height));
}

TRadioGroup* MakeRadioGroup(QWidget* Parent, const char* Name, int Left, int Top, int Width,
                            int Height, const QString& Caption, const QStringList& Items)
{
    auto* group = Framed(Place(new TRadioGroup(Parent), Name, Left, Top, Width, Height));
    group->setTitle(Caption);
    group->SetItems(Items);
    return group;
}

TSpinEdit* MakeSpinEdit(QWidget* Parent, const char* Name, int Left, int Top, int Width,
                        int Height, std::int32_t MinValue, std::int32_t MaxValue,
                        std::int32_t Value)
{
    auto* edit = Place(new TSpinEdit(Parent), Name, Left, Top, Width, Height);
    edit->SetIncrement(10);
    edit->SetMinValue(MinValue);
    edit->SetMaxValue(MaxValue);
    edit->SetValue(Value);
    return edit;
}

}  // namespace

void TFormKestrum::CreateSheet()
{
    // The sheet lies under every other control of the window.
    SheetView = new TSheetView(this);
    SheetView->move(0, 0);
    ListBoxWeight = Place(new QListWidget(this), "ListBoxWeight", 672, 112, 49, 281);
    ListBoxWeight->setUniformItemSizes(true);
}

void TFormKestrum::CreateButtonPanel()
{
    PanelButtons = Place(new QFrame(this), "PanelButtons", 16, 32, 307, 28);
    PanelButtons->setFrameShape(QFrame::NoFrame);
    PanelButtons->setAutoFillBackground(true);

    ButtonPrinterSetup = MakeButton(PanelButtons, "ButtonPrinterSetup", 1, 1, 97, 25,
                                    Texts::ButtonPrinterSetup);
    ButtonPrinterSetup->setToolTip(Texts::HintPrinterSetup);
    ButtonPrintOut = MakeButton(PanelButtons, "ButtonPrintOut", 98, 1, 57, 25, Texts::ButtonPrintOut);
    ButtonPrintOut->setFont(GothicFont(13));
    ButtonPrintOut->setToolTip(Texts::HintPrintOut);
    ButtonNew = MakeButton(PanelButtons, "ButtonNew", 155, 1, 75, 25, Texts::ButtonNew);
    ButtonStart = MakeButton(PanelButtons, "ButtonStart", 230, 1, 75, 25, Texts::ButtonStart);
}

void TFormKestrum::CreateSettingsPanel()
{
    // Opaque, so that the panel hides the dials and the blank it lies over.
    GroupBoxStart = MakeGroupBox(this, "GroupBoxStart", 246, 30, 243, 616, Texts::GroupBoxStart);
    GroupBoxStart->setAutoFillBackground(true);

    ButtonRadioGroupStartClose = MakeButton(GroupBoxStart, "ButtonRadioGroupStartClose", 6, 448,
                                            75, 25, Texts::ButtonClose);
    RadioGroupUnit = MakeRadioGroup(GroupBoxStart, "RadioGroupUnit", 8, 368, 225, 73,
                                    Texts::RadioGroupUnit,
                                    {Texts::ItemGramsOnly, Texts::ItemKilogramsOnly,
                                     Texts::ItemKilogramsAndGrams});
    // Beside the close button, where the panel grows down by the choice's height and
    // every other control keeps its place.
    RadioGroupExercise = MakeRadioGroup(GroupBoxStart, "RadioGroupExercise", 88, 444, 145, 65,
                                        Texts::RadioGroupExercise, {Texts::ItemRead, Texts::ItemDraw});
    // Below the close button and the exercise, where the panel grows down again by
    // their height and everything above keeps its place.
    RadioGroupNumerals = MakeRadioGroup(GroupBoxStart, "RadioGroupNumerals", 8, 512, 225, 73,
                                        Texts::RadioGroupNumerals,
                                        {Texts::ItemNumeralsAll, Texts::ItemNumeralsLarge, Texts::ItemNumeralsEnds});
    CheckBoxMixed = Place(new QCheckBox(Texts::CheckBoxMixed, GroupBoxStart), "CheckBoxMixed", 16, 589, 209, 19);
    // A frame round the step and range boxes; it has no items of its own.
    RadioGroup1 = MakeRadioGroup(GroupBoxStart, "RadioGroup1", 8, 192, 225, 169,
                                 Texts::RadioGroupWeights, {});

    GroupBoxRange = MakeGroupBox(GroupBoxStart, "GroupBoxRange", 16, 304, 185, 49,
                                 Texts::GroupBoxRange);
    LabelRange = MakeLabel(GroupBoxRange, "LabelRange", 56, 22, Texts::RangeUnits);
    SpinEditMin = MakeSpinEdit(GroupBoxRange, "SpinEditMin", 8, 16, 63, 21, 0, 100000, 100);
    SpinEditMax = MakeSpinEdit(GroupBoxRange, "SpinEditMax", 96, 16, 71, 21, 10, 2000, 1900);
    // On the caption's line, after "範囲(R)": seen while the teacher edits the range,
    // and never printed, since the panel is not.
    LabelRangeWarning = MakeLabel(GroupBoxRange, "LabelRangeWarning", 60, 0, Texts::RangeTooNarrow);
    QPalette warning = LabelRangeWarning->palette();
    warning.setColor(QPalette::WindowText, QColor(0xC0, 0, 0));
    LabelRangeWarning->setPalette(warning);
    LabelRangeWarning->hide();
    // The range's accelerator goes to its lower bound, where a range is begun.
    SendAcceleratorTo(GroupBoxRange, [this] { return SpinEditMin; });

    GroupBoxDivision = MakeGroupBox(GroupBoxStart, "GroupBoxDivision", 16, 208, 209, 89,
                                    Texts::GroupBoxDivision);
    static constexpr int Columns[StepCount] = {8, 8, 8, 56, 56, 56, 112, 112, 112, 160};
    static constexpr int Rows[StepCount] = {16, 40, 64, 16, 40, 64, 16, 40, 64, 16};
    for (int i = 0; i < StepCount; ++i) {
        const TStepRow& step = StepRows()[i];
        auto* button = Place(new TRadioButton(GroupBoxDivision), step.ButtonName, Columns[i],
                             Rows[i], 41, 17);
        button->setText(step.Caption);
        // The layout's width was drawn for a narrower indicator than Qt's; a caption
        // must never be cut, and there is room before the next column.
        button->resize(std::max(button->width(), button->sizeHint().width()), button->height());
        RadioButtonDivision[i] = button;
    }
    KeepRadioTabStop(GroupBoxDivision);
    SendAcceleratorTo(GroupBoxDivision, [this] { return RadioTabStop(GroupBoxDivision); });

    GroupBox1 = MakeGroupBox(GroupBoxStart, "GroupBox1", 8, 16, 225, 169, Texts::GroupBoxScales);
    QStringList capacities;
    for (const TCapacityRow& row : CapacityRows())
        capacities.append(row.Item);
    RadioGroupSparselyDensely = MakeRadioGroup(GroupBox1, "RadioGroupSparselyDensely", 96, 16, 121,
                                               73, Texts::RadioGroupSparselyDensely,
                                               {Texts::ItemSparsely, Texts::ItemDensely});
    // Over the right half of the density choice, whose two items stay readable.
    RadioGroupPer200 = MakeRadioGroup(GroupBox1, "RadioGroupPer200", 144, 40, 73, 49,
                                      Texts::RadioGroupPer200, {Texts::ItemHide, Texts::ItemShow});
    RadioGroupPer200->SetItemIndex(0);
    RadioGroupKind = MakeRadioGroup(GroupBox1, "RadioGroupKind", 8, 16, 81, 145,
                                    Texts::RadioGroupKind, capacities);
    RadioGroupShow = MakeRadioGroup(GroupBox1, "RadioGroupShow", 96, 96, 121, 65,
                                    Texts::RadioGroupShow, {Texts::ItemWhole, Texts::ItemEnlarged});
}

void TFormKestrum::CreateHiddenControls()
{
    // The problem table: a heading row and column, and the six drawn weights.
    StringGrid1 = Place(new QTableWidget(2, 7, this), "StringGrid1", 560, 480, 273, 57);
    StringGrid1->horizontalHeader()->hide();
    StringGrid1->verticalHeader()->hide();
    StringGrid1->horizontalHeader()->setDefaultSectionSize(36);
    StringGrid1->verticalHeader()->setDefaultSectionSize(18);
    for (int row = 0; row < StringGrid1->rowCount(); ++row)
        for (int column = 0; column < StringGrid1->columnCount(); ++column)
            StringGrid1->setItem(row, column, new QTableWidgetItem);
}

void TFormKestrum::SetTabOrder()
{
    // The strip of buttons above the sheet from left to right, then the settings panel;
    // practice's buttons stand where the set and recall buttons would.
    QList<QWidget*> chain{ListBoxWeight,   ButtonPrinterSetup, ButtonPrintOut, ButtonNew,
                          ButtonStart,     CheckBoxAnswers,    CheckBoxPractice, ButtonPrintSet,
                          ButtonMark,      ButtonRecall,       ButtonNextSheet};
    for (TRadioGroup* group : {RadioGroupKind, RadioGroupSparselyDensely, RadioGroupPer200,
                               RadioGroupShow})
        for (int i = 0; i < group->ItemCount(); ++i)
            chain.append(group->Button(i));
    for (TRadioButton* button : RadioButtonDivision)
        chain.append(button);
    chain << SpinEditMin << SpinEditMax;
    for (TRadioGroup* group : {RadioGroupUnit, RadioGroupExercise, RadioGroupNumerals})
        for (int i = 0; i < group->ItemCount(); ++i)
            chain.append(group->Button(i));
    chain << CheckBoxMixed << ButtonRadioGroupStartClose << StringGrid1;
    for (qsizetype i = 1; i < chain.size(); ++i)
        setTabOrder(chain[i - 1], chain[i]);
}
