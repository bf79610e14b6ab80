// How the editor shows the source: HTML colouring and line numbers, two
// check items of the Options menu kept in the settings file.
#include "app/mainform.h"

#include "editing/htmlhighlighter.h"
#include "platform/editcontrol.h"

#include <QAction>

void TFM_MainForm::WireEditorViewCommands()
{
    highlighter_ = new HtmlHighlighter(*HTML_WINDOW);
    // The menu has already turned the check mark when these run.
    WireCommand(MNU_Highlight, [this] { ApplyEditorView(); });
    WireCommand(MNU_LineNumbers, [this] { ApplyEditorView(); });
    ApplyEditorView();
}

void TFM_MainForm::ApplyEditorView()
{
    highlighter_->SetColouring(MNU_Highlight->isChecked());
    HTML_WINDOW->SetLineNumbers(MNU_LineNumbers->isChecked());
}
