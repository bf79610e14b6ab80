#pragma once

#include <QString>
#include <functional>

class DocumentFiles;
class EditControl;
class ProgramStarter;
class Prompts;
class QAbstractButton;
class QAction;
class QTabBar;
class THTMLViewer;

// The controls of the main window whose state follows the preview.
struct PreviewControls {
    QAbstractButton& previousButton;   // BT_Prev
    QAbstractButton& nextButton;       // BT_Next
    QAbstractButton& refreshButton;    // BT_Refresh
    QAction& backItem;                 // Pop_back
    QAction& nextItem;                 // pop_next
    QTabBar& tabs;                     // TabSet1
    QAction& showImagesItem;           // MNU_ShowImage, a check item
};

// The preview page's rules: when the editor's text reaches the viewer, what
// Home, Prev, Next and Edit do, how the history buttons follow the viewer,
// and which followed links leave the viewer for another program.
class PreviewPageController {
public:
    // Who asks for the preview: Home reloads it whatever changed.
    enum class Sender { Tab, Refresh };
    // Whether the viewer takes the keyboard afterwards (the preview page is
    // shown) or it stays where it is (the preview beside the editor).
    enum class Focus { ToViewer, Keep };

    struct Outputs {
        std::function<void(const QString&)> showCaption;
        std::function<void(const QString&)> showStatus;
    };

    PreviewPageController(THTMLViewer& viewer, EditControl& editor, DocumentFiles& document,
                          ProgramStarter& starter, Prompts& prompts, PreviewControls controls, Outputs outputs);

    // Brings the editor's text to the viewer when it changed, a file was
    // opened or Home asks; the document's folder becomes the current one.
    void Update(Sender sender, Focus focus = Focus::ToViewer);
    // Home: reloads, reads every picture afresh and forgets the links followed.
    void Refresh();
    void ShowPrevious();
    void ShowNext();
    // Takes the file the viewer shows into the editor, or goes back to the
    // editor when the viewer shows the editor's own text.
    void EditShownFile();

    void HistoryChanged();
    void ProcessingChanged(bool processingOn);
    void LinkCovered(const QString& url);
    // Sets `handled` when the link is taken care of here (a text file opened
    // in the text editor); other links are the viewer's to follow.
    void LinkClicked(const QString& url, bool& handled);

private:
    void EnableHistoryButtons();
    // The caption names the file the viewer shows, or the document when the
    // viewer shows the editor's own text.
    void ShowWhatIsViewed();

    THTMLViewer& viewer_;
    EditControl& editor_;
    DocumentFiles& document_;
    ProgramStarter& starter_;
    Prompts& prompts_;
    PreviewControls controls_;
    Outputs outputs_;
};
