// The viewer's keyboard walk through the form controls of its page.
#include "viewer/htmlviewer.h"

#include "viewer/formcontrols.h"
#include "viewer/formplacement.h"

#include <QApplication>
#include <algorithm>
#include <vector>

bool THTMLViewer::focusNextPrevChild(bool next)
{
    if (FocusNextFormControl(next))
        return true;
    return QWidget::focusNextPrevChild(next);
}

bool THTMLViewer::FocusNextFormControl(bool next)
{
    if (!panel_)
        return false;
    std::vector<TFormControlObj*> controls;
    for (const auto& form : document_.Doc.htmlFormList)
        for (const auto& control : form->ControlList)
            if (control->Widget())
                controls.push_back(control.get());
    if (controls.empty())
        return false;

    QWidget* focus = QApplication::focusWidget();
    TFormControlObj* current = FormControlOfWidget(document_.Doc, focus);
    TFormControlObj* target = nullptr;
    if (current) {
        const auto at = std::find(controls.begin(), controls.end(), current);
        if (next && at + 1 < controls.end())
            target = *(at + 1);
        else if (!next && at != controls.begin())
            target = *(at - 1);
    } else if (focus == this && next) {
        target = controls.front();
    }
    if (!target) {
        if (!current)
            return false;
        // Past either end the focus leaves the page: back to the viewer, or
        // on to whatever follows the viewer in the window.
        setFocus(Qt::OtherFocusReason);
        return next ? QWidget::focusNextPrevChild(true) : true;
    }

    if (target->Widget()->isHidden()) {
        const int top = FormControlDocumentY(document_, measure_, *target);
        if (top < 0)
            return false;
        const int margin = 10;
        if (top < vPos_)
            ScrollToY(top - margin);
        else
            ScrollToY(top + target->Height + margin - PanelHeight());
        if (target->Widget()->isHidden())
            return false;
    }
    target->Widget()->setFocus(next ? Qt::TabFocusReason : Qt::BacktabFocusReason);
    return true;
}
