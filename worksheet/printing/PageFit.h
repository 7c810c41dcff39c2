#pragma once
// Where the sheet lands on the page: scaled to fill the page's height if its width
// then still fits, otherwise to fill the page's width, proportions kept, anchored at
// the top-left corner of the printable area.

#include <QSize>

// Sheet: the window's client area in screen pixels; Page: the printable area in
// device pixels. Returns the printed size in device pixels, never larger than Page,
// or an empty size when either side is empty (nothing to print, or nowhere to).
QSize FitSheetToPage(QSize Sheet, QSize Page);
