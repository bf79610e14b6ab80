#pragma once

#include <QElapsedTimer>
#include <QPoint>
#include <QString>
#include <QTimer>
#include <functional>
#include <utility>

class DocumentFiles;
class EditControl;
class PreviewPageController;
class THTMLViewer;

// The source word around a column of a line: the letters and digits on
// both sides of it (first and one past the last column, 0-based). A column
// between two words takes the one before it; nothing when neither side
// holds a word character.
std::pair<int, int> SourceWordAt(const QString& line, int column);

// The editor and the preview side by side: the preview follows every change
// of the text, marks and shows the block the caret stands in, puts the caret
// where the user clicks in the preview, and scrolls each pane with the other.
//
// The viewer's source offsets count one per line break, as the editor
// document's own positions do (the viewer is given the editor's lines, each
// followed by one line break), so an offset is a QTextCursor position;
// EditControl::FromDocumentPosition turns it into the classic position in
// which CR LF counts two.
class SideBySideController {
public:
    struct Outputs {
        std::function<void(const QString&)> showStatus;
        // The keyboard goes to the editor pane (the tab strip follows).
        std::function<void()> focusEditor;
    };

    SideBySideController(THTMLViewer& viewer, EditControl& editor, DocumentFiles& document,
                         PreviewPageController& preview, Outputs outputs);

    // On: the preview shows the editor's text now and follows it; off:
    // nothing follows, the mark goes.
    void SetOn(bool on);
    bool IsOn() const { return on_; }
    void SetSyncScroll(bool on) { syncScroll_ = on; }
    bool SyncScroll() const { return syncScroll_; }
    // The viewer shows another file reached by a link: nothing follows the
    // editor until Home or Edit brings its text back.
    bool Paused() const;

    // The editor's text changed: a reload is due once the event loop is idle.
    void TextChanged();
    bool ReloadPending() const { return reload_.isActive(); }
    // Brings the editor's text to the preview now (when it changed, unless
    // Always), keeping the caret's block where it stood; a parse error goes
    // to the status text.
    enum class When { Changed, Always };
    void Reload(When when = When::Changed);
    // The caret moved / the editor scrolled: the preview follows when the
    // event loop is idle.
    void CaretMoved();
    void EditorScrolled();
    // Marks the block the caret stands in and scrolls it into view.
    void ShowCaret();
    // The preview's view moved to the editor's first visible line, and back.
    void AlignPreviewToEditor();
    void ViewerScrolled();
    // A click on the page: the caret to the source there (a double click
    // selects the source word); a plain click on a link is the viewer's.
    void PanelClicked(QPoint panelPoint, Qt::KeyboardModifiers modifiers, int clicks, bool& handled);

    // The receiver of the signals that feed the controller: they end with it,
    // also when the window is still sending some while it goes.
    QObject& Context() { return context_; }

private:
    void RunPending();

    THTMLViewer& viewer_;
    EditControl& editor_;
    DocumentFiles& document_;
    PreviewPageController& preview_;
    Outputs outputs_;
    bool on_ = false;
    bool syncScroll_ = true;
    bool syncing_ = false;   // a pane moved by the other: not followed back
    bool caretPending_ = false;
    bool scrollPending_ = false;
    QObject context_;
    QTimer reload_;
    QTimer follow_;
    int lastReloadMs_ = 0;
};
