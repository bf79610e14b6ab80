#pragma once

#include "platform/textcodec.h"

#include <QString>

class EditControl;
class ProgramStarter;
class Prompts;
class QPrinter;

// What the document commands need from the window around them.
class DocumentObserver {
public:
    virtual ~DocumentObserver() = default;
    // The "HTML Document" tab; when the preview was showing, the editor shows again.
    virtual void ShowEditorPage() = 0;
    virtual void CaptionChanged(const QString& caption) = 0;
    virtual void StatusTextChanged(const QString& text) = 0;
    // After a new document was started by the New command.
    virtual void DocumentStarted() = 0;
    // After a file became the document (scroll the preview to the top,
    // put the file at the head of the history and rebuild the menu).
    virtual void DocumentOpened(const QString& path) = 0;
    // After Save As gave the document a new name.
    virtual void DocumentRenamed(const QString& path) = 0;
    // The unsaved changes were saved, or a new or opened text replaced them.
    virtual void ChangesSettled() {}
};

// The one document being edited: the editor's text, its file, and the file
// commands of the main window.
class DocumentFiles {
public:
    DocumentFiles(EditControl& editor, Prompts& prompts, ProgramStarter& starter, DocumentObserver& observer,
                  QString programFolder, QString appTitle);

    const QString& DocumentFileName() const { return fileName_; }
    bool HasName() const;
    bool DocumentModified() const { return modified_; }
    bool PreviewStale() const { return previewStale_; }
    void SetPreviewStale(bool stale) { previewStale_ = stale; }
    const QString& AppTitle() const { return appTitle_; }
    QString Caption() const;
    const FileFormat& Format() const { return format_; }

    // HTML_WINDOWChange: every change of the editor text.
    void EditorChanged();

    bool ConfirmSaveChanges();
    void NewDocument();
    void LoadHtmlFile(const QString& path);
    // Unsaved text from a run that ended without saving it becomes the
    // document, named as it was and modified; nothing is written.
    void RecoverDocument(const QString& path, const QString& text, const FileFormat& format);

    void NewCommand();                // BT_NEWClick
    void OpenCommand();               // BT_LOADHTMLClick
    void SaveDocument();              // BT_SaveClick
    void SaveAsCommand();             // SaveAsClick
    void InsertFileCommand();         // MNU_InsertClick
    void SaveSelectionCommand();      // BT_SaveBlockClick
    void PrintCommand(QPrinter& printer);  // MNU_PrintClick
    void ExportWithoutTagsCommand();  // Exportwithouttags1Click

private:
    bool SaveAs();
    // Writes the editor's text to `path`; false when the user would not
    // have a Windows-1252 document become UTF-8.
    bool WriteDocument(const QString& path);
    // Asks before replacing an existing file; true when writing may go on.
    bool MayWrite(const QString& path);
    void SetName(const QString& path);

    EditControl& editor_;
    Prompts& prompts_;
    ProgramStarter& starter_;
    DocumentObserver& observer_;
    QString programFolder_;
    QString appTitle_;

    QString fileName_;
    // The save dialog keeps its last file name, as the classic dialog object did.
    QString saveDialogName_;
    bool modified_ = false;
    bool previewStale_ = false;
    FileFormat format_;
};
