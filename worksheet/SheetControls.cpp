// The sheet as a value on the window: reading it from the controls, showing a given
// sheet, the answers in red by their blanks, the sheet's code at its foot, and the
// buttons that recall a sheet by its code and print a class set.

#include "UnitKestrum.h"

#include "Fonts.h"
#include "Label.h"
#include "Numerals.h"
#include "PlatformScale.h"
#include "RadioButton.h"
#include "RadioGroup.h"
#include "SheetCode.h"
#include "SpinEdit.h"
#include "Texts.h"
#include "DialogPrintSet.h"

#include <QCheckBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFrame>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScopedValueRollback>
#include <QTableWidget>
#include <QVBoxLayout>

namespace {

// Answers are written in red, the colour a teacher marks with.
TLabel* MakeRedLabel(QWidget* Parent, const char* Name, const QFont& Font)
{
    auto* label = new TLabel(Parent);
    label->setObjectName(QString::fromLatin1(Name));
    label->setFont(Font);
    QPalette red = label->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    label->setPalette(red);
    // Clear, so that it never wipes out what lies under it (the name line's rule).
    label->setAutoFillBackground(false);
    label->hide();
    return label;
}

// Right edge of each answer: just before its blank, under its dial.
constexpr int KeyRightMargin = 4;
constexpr int CodeRight = 1020;
constexpr int CodeTop = 723;
// The sheet code's character height on the page, in pixels.
constexpr int CodePageHeight = 10;

}  // namespace

void TFormKestrum::CreateSheetExtras()
{
    // In the free space left of each blank, under its dial's box.
    for (int i = 0; i < ProblemCount; ++i) {
        const QByteArray name = "LabelKey" + QByteArray::number(i + 1);
        LabelKey[i] = MakeRedLabel(this, name.constData(), GothicFont(24));
        LabelKey[i]->move(LabelAnswer[i]->x(), LabelAnswer[i]->y() + 2);
    }
    // On the name line, where the pupil's name would go.
    LabelKeyTitle = MakeRedLabel(this, "LabelKeyTitle", GothicFont(27));
    LabelKeyTitle->move(840, 12);
    LabelKeyTitle->SetCaption(Texts::KeyTitle);
    // Small on the page, at the right of the foot, past the summary lines. On screen
    // it is as large as the summary lines, where a small 8 is read as a 5.
    LabelSheetCode = new TLabel(this);
    LabelSheetCode->setObjectName(QStringLiteral("LabelSheetCode"));
    LabelSheetCode->setFont(LabelHyoudai1->font());
    LabelSheetCode->SetPageFont(GothicFont(CodePageHeight));
    LabelSheetCode->setAutoFillBackground(false);
    // Labels lie below every windowed control, the panels among them.
    for (QWidget* label : {static_cast<QWidget*>(LabelKeyTitle), static_cast<QWidget*>(LabelSheetCode)})
        label->stackUnder(ListBoxWeight);
    for (TLabel* label : LabelKey)
        label->stackUnder(ListBoxWeight);

    // The button panel is full; its second part sits between the heading and the
    // name line, above the settings panel, where it covers nothing of the sheet.
    PanelSheetButtons = new QFrame(this);
    PanelSheetButtons->setObjectName(QStringLiteral("PanelSheetButtons"));
    PanelSheetButtons->setGeometry(290, 1, 254, 28);
    PanelSheetButtons->setFrameShape(QFrame::NoFrame);
    PanelSheetButtons->setAutoFillBackground(true);
    PanelSheetButtons->stackUnder(GroupBoxStart);
    CheckBoxAnswers = new QCheckBox(Texts::CheckBoxAnswers, PanelSheetButtons);
    CheckBoxAnswers->setObjectName(QStringLiteral("CheckBoxAnswers"));
    CheckBoxAnswers->setGeometry(2, 4, 70, 19);
    CheckBoxAnswers->setToolTip(Texts::HintAnswers);
    ButtonPrintSet = new QPushButton(Texts::ButtonPrintSet, PanelSheetButtons);
    ButtonPrintSet->setObjectName(QStringLiteral("ButtonPrintSet"));
    ButtonPrintSet->setGeometry(73, 1, 105, 25);
    ButtonPrintSet->setToolTip(Texts::HintPrintSet);
    ButtonRecall = new QPushButton(Texts::ButtonRecall, PanelSheetButtons);
    ButtonRecall->setObjectName(QStringLiteral("ButtonRecall"));
    ButtonRecall->setGeometry(178, 1, 75, 25);
    ButtonRecall->setToolTip(Texts::HintRecall);
}

void TFormKestrum::WireSheetExtras()
{
    connect(CheckBoxAnswers, &QCheckBox::toggled, this, [this] { CheckBoxAnswersClick(CheckBoxAnswers); });
    connect(ButtonPrintSet, &QPushButton::clicked, this, [this] { ButtonPrintSetClick(ButtonPrintSet); });
    connect(ButtonRecall, &QPushButton::clicked, this, [this] { ButtonRecallClick(ButtonRecall); });
}

QList<QWidget*> TFormKestrum::PanelsOffThePage() const
{
    return {PanelButtons, GroupBoxStart, PanelSheetButtons};
}

void TFormKestrum::ShowWeights(const TWeights& Weights)
{
    for (int c = 1; c <= ProblemCount; ++c)
        StringGrid1->item(1, c)->setText(QString::number(Weights[c - 1]));
    for (int c = 1; c <= ProblemCount; ++c)
        PlatformScale[c - 1]->SetValue(Weights[c - 1]);
}

void TFormKestrum::ShowSheetExtras()
{
    // SetCaptions runs inside start-up before these controls are wired up.
    if (!LabelSheetCode)
        return;
    const int unit = RadioGroupUnit->ItemIndex();
    const bool shown = CheckBoxAnswers->isChecked() && unit >= auGrams && unit <= auKilogramsAndGrams;
    const QString separator = QString::fromStdString(LocaleDecimalSeparator());
    for (int i = 0; i < ProblemCount; ++i) {
        TLabel* key = LabelKey[i];
        if (shown) {
            key->SetCaption(AnswerText(static_cast<TAnswerUnit>(unit), PlatformScale[i]->Value(), separator));
            key->move(LabelAnswer[i]->x() - KeyRightMargin - key->width(), key->y());
        }
        key->setVisible(shown);
    }
    LabelKeyTitle->setVisible(shown);
    LabelSheetCode->SetCaption(IssuedCode(Sheet()));
    LabelSheetCode->setHidden(LabelSheetCode->text().isEmpty());
    LabelSheetCode->move(CodeRight - LabelSheetCode->width(), CodeTop);
}

TSheet TFormKestrum::Sheet() const
{
    TSheet sheet;
    TSheetSettings& s = sheet.Settings;
    s.Capacity = RadioGroupKind->ItemIndex();
    for (int i = 0; i < StepCount; ++i)
        if (RadioButtonDivision[i]->Checked())
            s.Step = i;
    s.Dense = RadioGroupSparselyDensely->ItemIndex() != 0;
    // Until the teacher picks a 1/200 item its handler has not run and the summary
    // has no 1/200 part.
    if (FSummary.StrPer200.isEmpty())
        s.Per200 = pcUnchosen;
    else
        s.Per200 = RadioGroupPer200->ItemIndex() == 0 ? pcHide : pcShow;
    s.Enlarged = RadioGroupShow->ItemIndex() != 0;
    s.Unit = static_cast<TAnswerUnit>(RadioGroupUnit->ItemIndex());
    s.RangeMin = SpinEditMin->Value();
    s.RangeMax = SpinEditMax->Value();
    for (int i = 0; i < ProblemCount; ++i)
        sheet.Weights[i] = PlatformScale[i]->Value();
    sheet.Seed = FSeed;
    return sheet;
}

void TFormKestrum::ApplySheet(const TSheet& Sheet)
{
    const TSheetSettings& s = Sheet.Settings;
    // The handlers below would each draw a sheet of their own; the sheet's weights
    // are put in at the end instead.
    const QScopedValueRollback hold(FRenewHeld, true);
    RadioGroupKind->SetItemIndex(s.Capacity);
    RadioGroupSparselyDensely->SetItemIndex(s.Dense ? 1 : 0);
    RadioGroupPer200->SetItemIndex(s.Per200 == pcShow ? 1 : 0);
    if (s.Per200 == pcUnchosen)
        FSummary.StrPer200.clear();
    else
        RadioGroupPer200Click(RadioGroupPer200);  // the item may have been chosen already
    RadioButtonDivision[s.Step]->SetChecked(true);
    RadioGroupShow->SetItemIndex(s.Enlarged ? 1 : 0);
    RadioGroupUnit->SetItemIndex(s.Unit);
    SpinEditMin->SetValue(s.RangeMin);
    SpinEditMax->SetValue(s.RangeMax);
    // Last, so that no handler above leaves weights of its own.
    FSeed = Sheet.Seed;
    ShowWeights(Sheet.Weights);
    LabelRangeWarning->hide();
    SetCaptions();
}

void TFormKestrum::CheckBoxAnswersClick(QObject*) { ShowSheetExtras(); }

QString TFormKestrum::RecallSheet(const QString& Code)
{
    const TSheetCodeReading reading = ReadSheetCode(Code);
    if (!reading.Sheet)
        return SheetCodeErrorText(reading);
    ApplySheet(*reading.Sheet);
    return {};
}

void TFormKestrum::ButtonRecallClick(QObject*)
{
    QDialog dialog(this);
    dialog.setObjectName(QStringLiteral("DialogRecall"));
    dialog.setWindowTitle(Texts::RecallCaption);
    auto* layout = new QVBoxLayout(&dialog);
    auto* prompt = new QLabel(Texts::RecallPrompt, &dialog);
    auto* edit = new QLineEdit(&dialog);
    edit->setObjectName(QStringLiteral("LineEditCode"));
    edit->setPlaceholderText(QStringLiteral("ABCDE-FGHJK-MNPQ"));
    auto* message = new QLabel(&dialog);
    message->setObjectName(QStringLiteral("LabelCodeMessage"));
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    message->setPalette(red);
    auto* buttons = new QDialogButtonBox(&dialog);
    buttons->addButton(Texts::RecallOk, QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ButtonRecallOk"));
    buttons->addButton(Texts::Cancel, QDialogButtonBox::RejectRole);
    layout->addWidget(prompt);
    layout->addWidget(edit);
    layout->addWidget(message);
    layout->addWidget(buttons);
    // A code that cannot be read keeps the dialog open with the reason, and the
    // sheet stays as it is.
    connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
        const QString error = RecallSheet(edit->text());
        message->setText(error);
        if (error.isEmpty())
            dialog.accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
    dialog.exec();
}

void TFormKestrum::ButtonPrintSetClick(QObject*)
{
    TDialogPrintSet dialog(*this);
    dialog.exec();
}
