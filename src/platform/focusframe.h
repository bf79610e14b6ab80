#pragma once

class QWidget;

// A frame that shows whether `widget` has the keyboard: the highlight
// colour while it has, the muted one otherwise. The editor and the grids and
// lists the user types into look the same, so the focus is found at a glance.
// `widget` must have its object name set.
void ShowFocusFrame(QWidget& widget);
