#include "viewer/formplacement.h"

#include "viewer/canvas.h"
#include "viewer/formcontrols.h"
#include "viewer/htmldocument.h"

#include <QApplication>
#include <QWidget>
#include <algorithm>

namespace {

template <typename Visit>
void ForEachControl(const TSectionList& document, Visit visit)
{
    for (const auto& form : document.htmlFormList)
        for (const auto& control : form->ControlList)
            visit(*control);
}

} // namespace

void CreateFormWidgets(TSectionList& document, QWidget* panel)
{
    ForEachControl(document, [&](TFormControlObj& control) { control.CreateWidget(panel); });
}

bool HasFormWidgets(const TSectionList& document)
{
    for (const auto& form : document.htmlFormList)
        if (form->NonHiddenCount > 0)
            return true;
    return false;
}

void ShowPlacedFormWidgets(TSectionList& document, bool wholeView)
{
    ForEachControl(document, [&](TFormControlObj& control) {
        QWidget* widget = control.Widget();
        if (!widget)
            return;
        if (control.Shown) {
            const QRect place(control.Left, control.Top, control.Width, control.Height);
            if (widget->geometry() != place)
                widget->setGeometry(place);
            if (widget->isHidden())
                widget->show();
        } else if (wholeView && !widget->isHidden()) {
            // A control that keeps the focus while scrolled away would still
            // take the keys typed; the view gets them instead.
            QWidget* focus = QApplication::focusWidget();
            QWidget* panel = widget->parentWidget();
            if (focus && (focus == widget || widget->isAncestorOf(focus)) && panel && panel->parentWidget())
                panel->parentWidget()->setFocus(Qt::OtherFocusReason);
            widget->hide();
        }
    });
}

void PlaceFormWidgets(HtmlDocument& document, Canvas& measure, const QRect& view, int scrollX, int scrollY)
{
    TSectionList& doc = document.Doc;
    doc.YOff = scrollY;
    doc.Draw(measure, view, HtmlDocument::ClipWidth, HtmlDocument::Margin - scrollX, 0);
    ShowPlacedFormWidgets(doc, true);
}

TFormControlObj* FormControlOfWidget(const TSectionList& document, const QWidget* widget)
{
    TFormControlObj* found = nullptr;
    ForEachControl(document, [&](TFormControlObj& control) {
        const QWidget* own = control.Widget();
        if (!found && own && widget && (own == widget || own->isAncestorOf(widget)))
            found = &control;
    });
    return found;
}

int FormControlDocumentY(HtmlDocument& document, Canvas& measure, const TFormControlObj& control)
{
    TSectionList& doc = document.Doc;
    const int savedYOff = doc.YOff;
    doc.YOff = 0;
    doc.Draw(measure, QRect(0, 0, HtmlDocument::ClipWidth, std::max(1, document.Height)), HtmlDocument::ClipWidth,
             HtmlDocument::Margin, 0);
    doc.YOff = savedYOff;
    return control.Shown ? control.Top : -1;
}
