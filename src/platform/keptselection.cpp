#include "platform/keptselection.h"

#include "platform/editcontrol.h"

#include <QScrollBar>
#include <QTextCursor>

KeptSelection::KeptSelection(EditControl& edit)
    : edit_(edit), anchor_(edit.textCursor().anchor()), position_(edit.textCursor().position()),
      vertical_(edit.verticalScrollBar()->value()), horizontal_(edit.horizontalScrollBar()->value())
{
}

KeptSelection::~KeptSelection()
{
    if (!restore_)
        return;
    QTextCursor cursor = edit_.textCursor();
    cursor.setPosition(anchor_);
    cursor.setPosition(position_, QTextCursor::KeepAnchor);
    edit_.setTextCursor(cursor);
    edit_.verticalScrollBar()->setValue(vertical_);
    edit_.horizontalScrollBar()->setValue(horizontal_);
}
