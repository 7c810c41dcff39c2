#pragma once
// The sheet as drawing commands: a widget and its visible children recorded into a
// QPicture, exactly as each paints itself on screen, except a label that prints in a
// font of its own (the sheet code, larger on screen). Played onto a printer the
// picture stays lines, curves and text at the printer's resolution, with no bitmap in
// between, and each control keeps to its own rectangle because its clip is recorded
// with it.

#include <QPicture>
#include <QRect>
#include <QSize>

class QWidget;

// The worksheet as designed: the client area at 96 dpi that every print shows, whatever
// the window's present size.
inline constexpr QSize SheetDesignSize(1028, 740);

// Records Area (in Sheet's coordinates) of Sheet, its background and every visible
// child, with Area's top-left corner at the picture's origin.
QPicture RecordSheet(QWidget& Sheet, const QRect& Area);
