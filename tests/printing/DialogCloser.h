#pragma once
// Answers the next modal dialog for the test, so that exec() returns: a test must
// never wait on a person.

#include <QApplication>
#include <QDialog>
#include <QTimer>

#include <functional>
#include <memory>

// Accepts or cancels the next dialog that opens; Seen (if given) looks at it first.
inline void CloseNextDialog(bool Accept, std::function<void(QDialog*)> Seen = nullptr)
{
    auto* timer = new QTimer(qApp);
    auto tries = std::make_shared<int>(0);
    QObject::connect(timer, &QTimer::timeout, timer, [timer, tries, Accept, Seen] {
        auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
        // Without a window manager a dialog may never become the active modal widget.
        if (!dialog && ++*tries > 200)
            for (QWidget* w : QApplication::topLevelWidgets())
                if (auto* d = qobject_cast<QDialog*>(w); d && d->isVisible())
                    dialog = d;
        if (!dialog)
            return;
        timer->stop();
        timer->deleteLater();
        if (Seen)
            Seen(dialog);
        Accept ? dialog->accept() : dialog->reject();
    });
    timer->start(10);
}
