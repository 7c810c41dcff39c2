#include "view/SheetPalette.h"

QPalette SheetPalette()
{
    // From a light button face and a white window Qt derives a complete light palette
    // (black text, white fields, greyed disabled texts). Every role is then set on the
    // widget and none falls back to the application's palette.
    QPalette palette(QColor(0xF0, 0xF0, 0xF0), QColor(Qt::white));
    palette.setColor(QPalette::Highlight, QColor(0x00, 0x78, 0xD7));
    palette.setColor(QPalette::HighlightedText, Qt::white);
    palette.setColor(QPalette::ToolTipBase, QColor(0xFF, 0xFF, 0xE1));
    palette.setColor(QPalette::ToolTipText, Qt::black);
    palette.setColor(QPalette::PlaceholderText, QColor(0x78, 0x78, 0x78));
    palette.setColor(QPalette::Link, QColor(0x00, 0x00, 0xFF));
    palette.setColor(QPalette::LinkVisited, QColor(0x80, 0x00, 0x80));
    return palette;
}
