#pragma once

#include "app/commandcontrol.h"
#include "app/documentfiles.h"
#include "app/previewpagecontroller.h"
#include "app/services.h"
#include "app/sidebysidecontroller.h"
#include "editing/contextmenu.h"
#include "tools/dirslots.h"

#include <QMainWindow>
#include <QStringList>
#include <functional>
#include <initializer_list>
#include <memory>
#include <vector>

class CodeCompletion;
class EditControl;
class HtmlHighlighter;
class QAction;
class QFrame;
class QLabel;
class QMenu;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTabBar;
class RecoveryKeeper;
struct RecoveryCopy;
class QToolButton;
class THTMLViewer;
class ProblemsPanel;
class QSplitter;
struct MainSettings;
class TFM_Replace;
enum class FindRequest;

// The one main window: tool bar, directory bar, the editor and preview
// pages, the bottom panel with the tab strip, and the main menu. Handlers
// here are a few lines each; the logic lives in the subsystem folders.
class TFM_MainForm : public QMainWindow, public DocumentObserver {
    Q_OBJECT
public:
    // `arguments` are the command-line arguments after the program's name.
    TFM_MainForm(const PlatformServices& services, const QStringList& arguments, QWidget* parent = nullptr);
    ~TFM_MainForm() override;

    DocumentFiles& Document() { return *document_; }
    const PlatformServices& Services() const { return services_; }
    Prompts& UserPrompts() { return *services_.prompts; }
    const QString& AppTitle() const { return appTitle_; }
    QString StatusText() const;
    void SetStatusText(const QString& text);
    // Runs a command through the wrapper that turns failures into the error box.
    void Run(const std::function<void()>& command);
    // The one way a command is connected: each menu item (with its shortcut),
    // button or shortcut runs it through Run, and is enabled. A window of its
    // own adds mainform_<feature>.cpp with a Wire<Feature>Commands() that
    // calls this, e.g. WireCommand({BT_Table, PopHTMLItems.MNU_Table}, [this] { ... });
    void WireCommand(CommandControl control, std::function<void()> command);
    void WireCommand(std::initializer_list<CommandControl> controls, std::function<void()> command);

    // --- Controls, named as designed ---------------------------------
    QFrame* PA_ToolBar = nullptr;
    QToolButton* BT_NEW = nullptr;
    QToolButton* BT_LOADHTML = nullptr;
    QToolButton* BT_Toggle = nullptr;
    QToolButton* BT_InsertFile = nullptr;
    QToolButton* BT_Save = nullptr;
    QToolButton* BT_Print = nullptr;
    QToolButton* BT_Copy = nullptr;
    QToolButton* BT_CUT = nullptr;
    QToolButton* BT_Paste = nullptr;
    QToolButton* BT_SaveBlock = nullptr;
    QToolButton* BT_Preview = nullptr;
    QToolButton* BT_EXIT = nullptr;
    QToolButton* BT_PullDownAppList = nullptr;

    QStackedWidget* NB_Tools = nullptr;
    QPushButton* BT_Header = nullptr;
    QPushButton* BT_Font = nullptr;
    QPushButton* BT_Format = nullptr;
    QPushButton* BT_Link = nullptr;
    QPushButton* BT_Image = nullptr;
    QPushButton* BT_FORM = nullptr;
    QPushButton* BT_Table = nullptr;
    QPushButton* BT_UserTag = nullptr;
    QToolButton* BT_PrintHTML = nullptr;
    QToolButton* BT_Prev = nullptr;
    QToolButton* BT_Next = nullptr;
    QToolButton* BT_Refresh = nullptr;
    QToolButton* BT_EditCurrent = nullptr;

    QFrame* PA_DIRBTN = nullptr;
    std::vector<QPushButton*> DirButtons;
    QToolButton* BT_CfgDirBtn = nullptr;

    QStackedWidget* NB_MainWindow = nullptr;
    QWidget* HTML_CODE = nullptr;
    QWidget* HTML_PREVIEW = nullptr;
    EditControl* HTML_WINDOW = nullptr;

    QFrame* PA_Tabs = nullptr;
    QTabBar* TabSet1 = nullptr;
    QToolButton* BT_Clock = nullptr;
    QToolButton* BT_KivoLink = nullptr;
    QLabel* LB_VFONT = nullptr;

    // Pull-down menus of the tool buttons and the context menus.
    QMenu* PopBT_Header = nullptr;
    QMenu* PopBT_Font = nullptr;
    QMenu* PopBT_Format = nullptr;
    QMenu* PopBT_Link = nullptr;
    QMenu* PopBT_Image = nullptr;
    QMenu* PopBT_FORM = nullptr;
    QMenu* PopHTML = nullptr;
    QMenu* POP_HTMLVIEW = nullptr;

    // Main menu.
    QMenu* File1 = nullptr;
    QMenu* Edit1 = nullptr;
    QMenu* Search1 = nullptr;
    QMenu* Options1 = nullptr;
    QMenu* Help1 = nullptr;
    QAction* New1 = nullptr;
    QAction* Open1 = nullptr;
    QAction* NewKivoWindow1 = nullptr;
    QAction* Close1 = nullptr;
    QAction* MNU_Insert = nullptr;
    QAction* MNU_Print = nullptr;
    QAction* Save1 = nullptr;
    QAction* SaveAs = nullptr;
    QAction* Exportwithouttags1 = nullptr;
    QAction* Exit2 = nullptr;
    QAction* Undo1 = nullptr;
    QAction* MNU_JumpLine = nullptr;
    QAction* MNU_Cut = nullptr;
    QAction* MNU_Copy = nullptr;
    QAction* MNU_Paste = nullptr;
    QAction* SelectAll1 = nullptr;
    QAction* SaveBlock1 = nullptr;
    QAction* MNU_FmtLine = nullptr;
    QAction* MNU_UsrTag = nullptr;
    QAction* MNU_Toggle = nullptr;
    QAction* MNU_Find = nullptr;
    QAction* MNU_FindAgain = nullptr;
    QAction* MNU_Replace = nullptr;
    QAction* MNU_SetDir = nullptr;
    QAction* MNU_EditorFont = nullptr;
    QAction* ViewerFont1 = nullptr;
    QAction* ViewerFontFixed1 = nullptr;
    QAction* MNU_WordWrap = nullptr;
    QAction* MNU_AutoBR = nullptr;
    QAction* MNU_Highlight = nullptr;
    QAction* MNU_LineNumbers = nullptr;
    QAction* MNU_Recovery = nullptr;
    QAction* MNU_Completion = nullptr;
    QAction* MNU_ShowImage = nullptr;
    QAction* MNU_DirBtn = nullptr;
    QAction* MNU_SetBrowser = nullptr;
    QAction* MNU_AutoSave = nullptr;
    QAction* MNU_SaveSetting = nullptr;
    QAction* AboutKivo1 = nullptr;

    // --- Settings file and recent files (mainform_settings.cpp) ---------
    QString SettingsPath;
    QStringList RecentFiles;
    // File menu items of the design; those past it are history items.
    int FileMenuBaseCount = 0;
    QString BrowserPath;
    // Held here until the preview's viewer takes it.
    QString ViewerFixedFontName = QStringLiteral("Courier New");

    void LoadSettings();
    void SaveSettings();
    void RebuildHistoryMenu();
    void HistoryItemClick(const QString& path);

    // --- Preview page (mainform_preview.cpp; its rules in PreviewPageController)
    THTMLViewer* ViewPage = nullptr;
    QAction* ToggleEditPreview1 = nullptr;
    QAction* Pop_back = nullptr;
    QAction* pop_next = nullptr;
    QAction* pop_refresh = nullptr;
    QAction* Copy1 = nullptr;
    using PreviewSender = PreviewPageController::Sender;
    void TabSet1Change(int tab);
    void BT_ToggleClick();
    void MNU_ToggleClick();
    void UpdatePreview(PreviewSender sender);
    void BT_RefreshClick();
    void BT_PrevClick();
    void BT_NextClick();
    void HistoryChange();
    void ViewPageProcessing(bool processingOn);
    void ViewPageHotSpotCovered(const QString& url);
    void ViewPageHotSpotClick(const QString& url, bool& handled);
    void ViewPageFormSubmit(const QString& action, const QString& method, const QStringList& results);
    void BT_EditCurrentClick();
    void MNU_ShowImageClick();
    void ViewerFont1Click();
    void ViewerFontFixed1Click();

    // --- Editor and preview side by side (mainform_sidebyside.cpp) -------
    QAction* MNU_SideBySide = nullptr;
    QAction* MNU_SyncScroll = nullptr;
    QSplitter* SideBySideSplitter = nullptr;
    // The editor pane's width, 0 for half the window.
    int SideBySideSplit = 0;
    void ApplySideBySide();
    // Side by side, the tab strip moves the keyboard between the panes.
    bool SideBySideTabChange(int tab);
    SideBySideController& SideBySide() { return *sideBySide_; }

    // --- Commands ------------------------------------------------------
    void NewKivoWindow1Click();
    void BT_EXITClick();
    void AboutKivo1Click();
    void MNU_WordWrapClick();
    void MNU_EditorFontClick();
    void Mnu_SaveSettingsClick();

    // --- Tag editing (mainform_tags.cpp) --------------------------------
    // Shift alone went down in the editor and no key was released or click
    // made since; the context menu then selects the caret's line.
    bool ShiftOnlyDown = false;
    EditorContextMenu PopHTMLItems;
    void BT_PullDownBtnClick(QWidget* button);
    void MNU_FmtLineClick();
    void PopHTMLPopup();
    void RemoveTag1Click();
    void UpdateLineStatus();
    void HTML_WINDOWKeyDown(int key, Qt::KeyboardModifiers modifiers);
    void HTML_WINDOWKeyPress(int key);
    void HTML_WINDOWClick();

    // --- Find, replace, clipboard and time stamp (mainform_search.cpp) ---
    // Created at start-up and kept, with its texts and history, for the run.
    TFM_Replace* FM_Replace = nullptr;
    void MNU_FindClick(FindRequest request);
    void MNU_ReplaceClick();
    void MNU_JumpLineClick();
    void Undo1Click();
    void MNU_CutClick();
    void MNU_CopyClick();
    void MNU_PasteClick();
    void SelectAll1Click();
    void BT_ClockClick();
    void BT_ClockMouseMove();
    // The editor, not the preview, is what the user works in.
    bool EditorIsActive() const;

    // --- Bookmarks and links (mainform_links.cpp) -----------------------
    void BT_KivoLinkClick();

    // --- Browser and launch bar (mainform_tools.cpp) --------------------
    void BT_PreviewClick();
    void MNU_SetBrowserClick();
    void BT_PullDownAppListClick();

    // --- Page check (mainform_check.cpp) --------------------------------
    QAction* MNU_CheckPage = nullptr;
    QAction* MNU_ProblemsList = nullptr;
    ProblemsPanel* PA_Problems = nullptr;
    int ProblemsListHeight = 150;
    void MNU_CheckPageClick();
    void ShowProblemsList(bool shown);
    void ReadProblemsListHeight();
    void WriteProblemsListHeight();

    // --- Recovery copies of unsaved text (mainform_recovery.cpp) -------
    RecoveryKeeper& Recovery() { return *recovery_; }

    // --- Directory bar (mainform_dirbar.cpp) ----------------------------
    DirSlots DirBarSlots;
    // Start-up: the slots from the settings file, shown on the bar.
    void ReadDirectoryBar();
    void LayoutDirBar();
    void OpenDirSlot(int slot);
    void BT_CfgDirBtnClick();
    void MNU_DirBtnClick();

protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void FormCreate();
    void FormActivate();
    void KeepKeysOffTheBars();
    // Commands nobody has built yet say so in their tooltips until wired.
    void MarkCommandsNotBuilt();
    bool FormCloseQuery();
    void FormClose();

    void BuildToolBar();
    void BuildToolNotebook();
    void BuildDirectoryBar();
    void BuildPages();
    void BuildBottomPanel();
    void BuildPullDownMenus();
    void BuildMainMenu();
    // Each window's commands are wired in a file of their own,
    // mainform_<feature>.cpp, called from WireCommands.
    void WireCommands();
    void WireDocumentCommands();
    void WireTagCommands();
    void WireLinkCommands();
    void WireSearchCommands();
    void WireSettingsCommands();
    void WirePreviewCommands();
    void WireSideBySideCommands();
    // The tool notebook and the editor-only buttons for the page of a tab.
    void ShowToolsFor(int tab);
    void WirePrintCommands();
    void CopyTagMenus();
    void WireTableCommands();
    void WireBodyCommands();
    void WireImageCommands();
    void WireUserTagCommands();
    void WireDirectoryBarCommands();
    void WireToolCommands();
    void WireFormCommands();
    void WireCheckCommands();
    // Colouring and line numbers of the editor (mainform_editorview.cpp).
    void WireEditorViewCommands();
    void WireRecoveryCommands();
    // At start, before the start file: the copies of runs that died.
    void OfferRecoveryAtStart();
    bool RecoverText(const RecoveryCopy& copy);
    void ApplyEditorView();
    // Completion while typing (mainform_completion.cpp).
    void WireCompletionCommands();
    MainSettings CurrentSettings() const;
    void ApplyWordWrap();
    enum class HistoryMenuUpdate { Rebuild, Keep };
    void RecordRecentFile(const QString& path, HistoryMenuUpdate update);
    void ShowPage(int index);
    void BuildPreview();
    void ApplyPreviewSettings();

    // DocumentObserver
    void ShowEditorPage() override;
    void CaptionChanged(const QString& caption) override;
    void StatusTextChanged(const QString& text) override;
    void DocumentStarted() override;
    void DocumentOpened(const QString& path) override;
    void DocumentRenamed(const QString& path) override;
    void ChangesSettled() override;
    // The document's folder; for a new document, the current folder.
    QString DocumentFolder() const;

    // File dialogs start in the document's folder; services_.prompts is this.
    std::unique_ptr<Prompts> startFolderPrompts_;
    PlatformServices services_;
    QStringList arguments_;
    QString appTitle_;
    std::unique_ptr<DocumentFiles> document_;
    std::unique_ptr<PreviewPageController> preview_;
    std::unique_ptr<RecoveryKeeper> recovery_;
    std::unique_ptr<SideBySideController> sideBySide_;
    HtmlHighlighter* highlighter_ = nullptr;  // owned by HTML_WINDOW
    CodeCompletion* completion_ = nullptr;    // owned by HTML_WINDOW
    QLabel* statusLabel_ = nullptr;
    bool activated_ = false;
    QSplitter* problemsSplitter_ = nullptr;
};
