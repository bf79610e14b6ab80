#pragma once

#include <QRect>

class Canvas;
class HtmlDocument;
class QWidget;
class TFormControlObj;
class TSectionList;

// The live widgets of a document's form controls on the viewer's panel.

// Makes a hidden widget for every visible control. Tab order is the viewer's
// own walk in document order, not the window's focus chain.
void CreateFormWidgets(TSectionList& document, QWidget* panel);
bool HasFormWidgets(const TSectionList& document);
// Moves every control the last drawing placed to its place and shows it;
// after a drawing of the whole view, hides every control it did not place.
void ShowPlacedFormWidgets(TSectionList& document, bool wholeView);
// Works out where the controls of the view go without painting anything and
// puts their widgets there.
void PlaceFormWidgets(HtmlDocument& document, Canvas& measure, const QRect& view, int scrollX, int scrollY);
// The control whose widget this is (or holds the focus inside it), or null.
TFormControlObj* FormControlOfWidget(const TSectionList& document, const QWidget* widget);
// Where the control's top sits in the whole document, laid out as it is now;
// -1 when it is not drawn anywhere.
int FormControlDocumentY(HtmlDocument& document, Canvas& measure, const TFormControlObj& control);
