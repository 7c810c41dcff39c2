#include "PlatformScale.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    TPlatformScale dial;
    dial.SetDiameter(285);
    dial.SetBoardColor(clWhite);
    dial.SetWidthBorderLine(2);
    dial.SetWidthHand(12);
    dial.SetValue(700);
    dial.setWindowTitle(QStringLiteral("Kestrum"));
    dial.show();
    return app.exec();
}
