#include "window/DialogRecall.h"

#include "Texts.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

TDialogRecall::TDialogRecall(TRecall Recall, QWidget* Parent) : QDialog(Parent)
{
    setObjectName(QStringLiteral("DialogRecall"));
    setWindowTitle(Texts::RecallCaption);
    auto* layout = new QVBoxLayout(this);
    auto* prompt = new QLabel(Texts::RecallPrompt, this);
    auto* edit = new QLineEdit(this);
    edit->setObjectName(QStringLiteral("LineEditCode"));
    edit->setPlaceholderText(QStringLiteral("ABCDE-FGHJK-MNPQ"));
    auto* message = new QLabel(this);
    message->setObjectName(QStringLiteral("LabelCodeMessage"));
    QPalette red = message->palette();
    red.setColor(QPalette::WindowText, Qt::red);
    message->setPalette(red);
    auto* buttons = new QDialogButtonBox(this);
    buttons->addButton(Texts::RecallOk, QDialogButtonBox::AcceptRole)->setObjectName(QStringLiteral("ButtonRecallOk"));
    buttons->addButton(Texts::Cancel, QDialogButtonBox::RejectRole);
    layout->addWidget(prompt);
    layout->addWidget(edit);
    layout->addWidget(message);
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this, edit, message, Recall = std::move(Recall)] {
        const QString error = Recall(edit->text());
        message->setText(error);
        if (error.isEmpty())
            accept();
    });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
}
