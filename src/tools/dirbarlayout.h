#pragma once

#include "tools/dirslots.h"

#include <vector>

class QAbstractButton;
class QWidget;

// The main window's directory buttons follow the slots: caption, hint
// ("Open" and the file in quotes) and visibility; hidden buttons keep their
// places. The configuration button goes 5 pixels right of the right-most
// visible button (at 10 when none shows).
void LayoutDirBar(const DirSlots& dirSlots, const std::vector<QAbstractButton*>& buttons, QWidget& configButton);
