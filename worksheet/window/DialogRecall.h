#pragma once
// "呼出し(&L)": asks for a sheet code and brings its sheet back. A code that cannot be
// read keeps the dialog open with the reason in red, and the sheet stays as it is.

#include <QDialog>

#include <functional>

class TDialogRecall : public QDialog {
    Q_OBJECT

public:
    // Recall brings back the sheet of a code and returns what is wrong with the code,
    // or nothing when the sheet is back.
    using TRecall = std::function<QString(const QString& Code)>;
    TDialogRecall(TRecall Recall, QWidget* Parent);
};
