#pragma once
// Answers the printer setup dialog for the test as a teacher would, through the
// dialog's own widgets, so that exec() returns: a test must never wait on a person.

#include <QApplication>
#include <QComboBox>
#include <QDialog>
#include <QDialogButtonBox>
#include <QLineEdit>
#include <QPageSize>
#include <QPrintDialog>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QtTest>

#include <functional>
#include <memory>

namespace DialogCloser {

// Calls Answer with the next dialog that opens, other than Except; stops looking
// when the returned timer goes.
inline std::unique_ptr<QTimer> OnNextDialog(std::function<void(QDialog*)> Answer, QDialog* Except = nullptr)
{
    auto timer = std::make_unique<QTimer>();
    QTimer* t = timer.get();
    QObject::connect(t, &QTimer::timeout, t, [t, Answer, Except] {
        QDialog* dialog = nullptr;
        // Without a window manager a dialog need not become the active modal widget.
        for (QWidget* w : QApplication::topLevelWidgets())
            if (auto* d = qobject_cast<QDialog*>(w); d && d != Except && d->isVisible())
                dialog = d;
        if (!dialog)
            return;
        t->stop();
        Answer(dialog);
    });
    t->start(10);
    return timer;
}

// The button of the dialog's button box that plays Role; its text does not matter.
inline QAbstractButton* ButtonOf(QDialog* Dialog, QDialogButtonBox::ButtonRole Role)
{
    if (auto* box = Dialog->findChild<QDialogButtonBox*>())
        for (QAbstractButton* button : box->buttons())
            if (box->buttonRole(button) == Role)
                return button;
    return nullptr;
}

// What the teacher does in "プリンタ設定(&U)": picks file output (the printer list's last
// entry), types the file's name, picks the paper and portrait in the printer's
// properties, then confirms or cancels. Answered says whether a print dialog was there to answer.
// Waits for the dialog from the moment it is made.
struct TSetupAnswer {
    const QString File;
    const QPageSize::PageSizeId Paper;
    const bool Confirm;

    bool Answered = false;
    QString ConfirmText;  // what the confirming button says
    std::unique_ptr<QTimer> Outer, Inner;

    TSetupAnswer(const QString& ToFile, QPageSize::PageSizeId OnPaper, bool Confirming)
        : File(ToFile), Paper(OnPaper), Confirm(Confirming)
    {
        Outer = OnNextDialog([this](QDialog* dialog) {
            auto* printers = dialog->findChild<QComboBox*>(QStringLiteral("printers"));
            auto* file = dialog->findChild<QLineEdit*>(QStringLiteral("filename"));
            auto* properties = dialog->findChild<QPushButton*>(QStringLiteral("properties"));
            if (!qobject_cast<QPrintDialog*>(dialog) || !printers || !file || !properties) {
                dialog->reject();
                return;
            }
            printers->setCurrentIndex(printers->count() - 1);
            file->selectAll();
            QTest::keyClicks(file, File);

            Inner = OnNextDialog(
                [this](QDialog* sheet) {
                    if (auto* paper = sheet->findChild<QComboBox*>(QStringLiteral("pageSizeCombo")))
                        for (int i = 0; i < paper->count(); ++i)
                            if (paper->itemData(i).value<QPageSize>().id() == Paper)
                                paper->setCurrentIndex(i);
                    if (auto* portrait = sheet->findChild<QRadioButton*>(QStringLiteral("portrait")))
                        QTest::mouseClick(portrait, Qt::LeftButton);
                    if (QAbstractButton* ok = ButtonOf(sheet, QDialogButtonBox::AcceptRole))
                        QTest::mouseClick(ok, Qt::LeftButton);
                    else
                        sheet->reject();
                },
                dialog);
            QTest::mouseClick(properties, Qt::LeftButton);  // returns when the sheet is answered

            QAbstractButton* button =
                ButtonOf(dialog, Confirm ? QDialogButtonBox::AcceptRole : QDialogButtonBox::RejectRole);
            Answered = button != nullptr;
            if (QAbstractButton* ok = ButtonOf(dialog, QDialogButtonBox::AcceptRole))
                ConfirmText = ok->text();
            if (button)
                QTest::mouseClick(button, Qt::LeftButton);
            else
                dialog->reject();
        });
    }
    TSetupAnswer(const TSetupAnswer&) = delete;
    TSetupAnswer& operator=(const TSetupAnswer&) = delete;
};

}  // namespace DialogCloser
