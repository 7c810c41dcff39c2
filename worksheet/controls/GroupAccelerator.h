#pragma once
// Where a group box's accelerator (the letter after "&" in its caption) sends the
// focus. Qt sends it to the last child that had the focus, or else to the first one
// in the focus chain, which may be disabled or the wrong box; a group of choices
// wants its choice made, a range its lower box.

#include <QWidget>

#include <functional>

class QGroupBox;

// Target is asked at each press; a null or disabled target leaves the focus alone.
void SendAcceleratorTo(QGroupBox* Box, std::function<QWidget*()> Target);
