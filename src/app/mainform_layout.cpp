// The main window's controls and menus, as designed.
#include "app/glyphs.h"
#include "app/mainform.h"
#include "platform/editcontrol.h"
#include "platform/focusframe.h"

#include <QAction>
#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QPushButton>
#include <QStackedWidget>
#include <QTabBar>
#include <QToolButton>
#include <QVBoxLayout>

namespace {

constexpr int kToolBarHeight = 54;
constexpr int kDirectoryBarHeight = 32;
constexpr int kTabsHeight = 22;
constexpr int kSmallButton = 25;
constexpr int kDirectoryButtonCount = 7;
constexpr int kDirectoryButtonWidth = 95;

QToolButton* SmallButton(QWidget* parent, Glyph glyph, const QString& hint, int x, int y)
{
    auto* button = new QToolButton(parent);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(18, 18));
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setGeometry(x, y, kSmallButton, kSmallButton);
    return button;
}

QToolButton* LargeButton(QWidget* parent, Glyph glyph, const QString& caption, const QString& hint, int x, int y)
{
    auto* button = new QToolButton(parent);
    button->setIcon(GlyphIcon(glyph));
    button->setIconSize(QSize(20, 20));
    button->setText(caption);
    button->setToolTip(hint);
    button->setAutoRaise(true);
    button->setToolButtonStyle(caption.isEmpty() ? Qt::ToolButtonIconOnly : Qt::ToolButtonTextUnderIcon);
    button->setGeometry(x, y, 45, 40);
    return button;
}

QPushButton* EditPageButton(QWidget* parent, const QString& caption, const QString& hint, int x, int y)
{
    auto* button = new QPushButton(caption, parent);
    button->setToolTip(hint);
    button->setFlat(false);
    button->setGeometry(x, y, 65, 20);
    return button;
}

QAction* Item(QMenu* menu, const QString& caption, const QKeySequence& shortcut = QKeySequence())
{
    QAction* action = menu->addAction(caption);
    if (!shortcut.isEmpty())
        action->setShortcut(shortcut);
    // Commands are enabled one by one as they are wired.
    action->setEnabled(false);
    return action;
}

QAction* CheckItem(QMenu* menu, const QString& caption, bool checked)
{
    QAction* action = Item(menu, caption);
    action->setCheckable(true);
    action->setChecked(checked);
    return action;
}

QMenu* PullDownMenu(QWidget* parent, const QString& name)
{
    auto* menu = new QMenu(parent);
    menu->setObjectName(name);
    menu->addAction(QStringLiteral("&Done"));
    menu->addSeparator();
    return menu;
}

}  // namespace

void TFM_MainForm::BuildToolBar()
{
    PA_ToolBar = new QFrame(this);
    PA_ToolBar->setFixedHeight(kToolBarHeight);
    PA_ToolBar->setFrameShape(QFrame::StyledPanel);
    PA_ToolBar->setFrameShadow(QFrame::Raised);

    const int top = 2;
    const int bottom = top + kSmallButton;
    auto column = [](int i) { return 4 + i * kSmallButton; };
    BT_NEW = SmallButton(PA_ToolBar, Glyph::NewFile, QStringLiteral("Start a new HTML file"), column(0), top);
    BT_LOADHTML = SmallButton(PA_ToolBar, Glyph::OpenFile, QStringLiteral("Load HTML File"), column(1), top);
    BT_Toggle = SmallButton(PA_ToolBar, Glyph::Toggle, QStringLiteral("Toggle Document/Preview"), column(2), top);
    BT_InsertFile = SmallButton(PA_ToolBar, Glyph::InsertFile, QStringLiteral("Insert Document"), column(3), top);
    BT_Save = SmallButton(PA_ToolBar, Glyph::Save, QStringLiteral("Save HTML File"), column(4), top);
    BT_Print = SmallButton(PA_ToolBar, Glyph::Print, QStringLiteral("Print HTML Code"), column(0), bottom);
    BT_Copy = SmallButton(PA_ToolBar, Glyph::Copy, QStringLiteral("Copy text to clipboard"), column(1), bottom);
    BT_CUT = SmallButton(PA_ToolBar, Glyph::Cut, QStringLiteral("Cut text to clipboard"), column(2), bottom);
    BT_Paste = SmallButton(PA_ToolBar, Glyph::Paste, QStringLiteral("Paste text from clipboard"), column(3), bottom);
    BT_SaveBlock = SmallButton(PA_ToolBar, Glyph::SaveBlock, QStringLiteral("Save selected text"), column(4), bottom);

    BuildToolNotebook();
    NB_Tools->setGeometry(column(5) + 6, 5, 285, 43);

    const int largeLeft = NB_Tools->geometry().right() + 6;
    BT_Preview = LargeButton(PA_ToolBar, Glyph::Browser, QString(), QStringLiteral("Launch Web-Browser"), largeLeft, 7);
    BT_EXIT = LargeButton(PA_ToolBar, Glyph::Exit, QStringLiteral("Exit"), QStringLiteral("Exit Kivo"), largeLeft + 45, 7);
    BT_PullDownAppList = SmallButton(PA_ToolBar, Glyph::DropDown, QStringLiteral("Application Launch Bar"),
                                     largeLeft + 90, 7);
    BT_PullDownAppList->setFixedSize(17, kSmallButton);

    for (QToolButton* later : {BT_Toggle, BT_Copy, BT_CUT, BT_Paste, BT_Preview, BT_PullDownAppList})
        later->setEnabled(false);
}

void TFM_MainForm::BuildToolNotebook()
{
    NB_Tools = new QStackedWidget(PA_ToolBar);

    auto* editPage = new QWidget(NB_Tools);
    editPage->setObjectName(QStringLiteral("Edit"));
    const int row1 = 1;
    const int row2 = 22;
    BT_Header = EditPageButton(editPage, QStringLiteral("&Header"), QStringLiteral("H1..H6"), 0, row1);
    BT_Font = EditPageButton(editPage, QStringLiteral("Fo&nt     "), QStringLiteral("Set Font's Attribute"), 70, row1);
    BT_Format = EditPageButton(editPage, QStringLiteral("For&mat"),
                               QStringLiteral("Lists, Horizontal lines, Preformatted Text"), 140, row1);
    BT_Link = EditPageButton(editPage, QStringLiteral("&Link      "), QStringLiteral("Link to Bookmarks or a URL"), 210, row1);
    BT_Image = EditPageButton(editPage, QStringLiteral("&Image"),
                              QStringLiteral("Insert a Gif, Jpg, BMP as a picture / background"), 0, row2);
    BT_FORM = EditPageButton(editPage, QStringLiteral("Fo&rm"), QStringLiteral("Insert a form / form element"), 70, row2);
    BT_Table = EditPageButton(editPage, QStringLiteral("&Table"), QStringLiteral("Insert a table"), 140, row2);
    BT_UserTag = EditPageButton(editPage, QStringLiteral("&User Tags"), QStringLiteral("Define / Insert a user tag"), 210, row2);
    for (QPushButton* later : {BT_Header, BT_Font, BT_Format, BT_Link, BT_Image, BT_FORM, BT_Table, BT_UserTag})
        later->setEnabled(false);
    NB_Tools->addWidget(editPage);

    auto* previewPage = new QWidget(NB_Tools);
    previewPage->setObjectName(QStringLiteral("Preview"));
    BT_PrintHTML = LargeButton(previewPage, Glyph::Print, QStringLiteral("Print"),
                               QStringLiteral("Print the current document"), 0, 1);
    BT_Prev = LargeButton(previewPage, Glyph::Back, QStringLiteral("Prev"), QStringLiteral("Previous Document"), 45, 1);
    BT_Next = LargeButton(previewPage, Glyph::Forward, QStringLiteral("Next"), QStringLiteral("Next Document"), 90, 1);
    BT_Refresh = LargeButton(previewPage, Glyph::Home, QStringLiteral("Home"),
                             QStringLiteral("Go back to current document / Refresh"), 135, 1);
    BT_EditCurrent = LargeButton(previewPage, Glyph::Edit, QStringLiteral("Edit"),
                                 QStringLiteral("Load the current HTML for edit"), 180, 1);
    for (QToolButton* later : {BT_PrintHTML, BT_Prev, BT_Next, BT_Refresh, BT_EditCurrent})
        later->setEnabled(false);
    NB_Tools->addWidget(previewPage);
}

void TFM_MainForm::BuildDirectoryBar()
{
    PA_DIRBTN = new QFrame(this);
    PA_DIRBTN->setFixedHeight(kDirectoryBarHeight);
    PA_DIRBTN->setFrameShape(QFrame::StyledPanel);
    for (int i = 0; i < kDirectoryButtonCount; ++i) {
        auto* button = new QPushButton(PA_DIRBTN);
        button->setGeometry(5 + kDirectoryButtonWidth * i, 3, kDirectoryButtonWidth, 25);
        button->setProperty("tag", i);
        button->setVisible(false);
        DirButtons.push_back(button);
    }
    BT_CfgDirBtn = SmallButton(PA_DIRBTN, Glyph::Configure, QStringLiteral("Config Directory Bar"), 10, 3);
    BT_CfgDirBtn->setEnabled(false);
}

void TFM_MainForm::BuildPages()
{
    NB_MainWindow = new QStackedWidget(this);

    HTML_CODE = new QWidget(NB_MainWindow);
    HTML_CODE->setObjectName(QStringLiteral("HTML_CODE"));
    auto* codeLayout = new QVBoxLayout(HTML_CODE);
    codeLayout->setContentsMargins(0, 0, 0, 0);
    HTML_WINDOW = new EditControl(HTML_CODE);
    HTML_WINDOW->setObjectName(QStringLiteral("HTML_WINDOW"));
    QFont editorFont(QStringLiteral("MS Sans Serif"));
    editorFont.setPixelSize(13);
    HTML_WINDOW->setFont(editorFont);
    HTML_WINDOW->setLineWrapMode(QPlainTextEdit::NoWrap);
    HTML_WINDOW->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    HTML_WINDOW->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    HTML_WINDOW->setContextMenuPolicy(Qt::CustomContextMenu);
    // Shows that the editor has the keyboard, as a focused edit field does;
    // the plain frame gives no sign of it.
    ShowFocusFrame(*HTML_WINDOW);
    HTML_WINDOW->SetText(QStringLiteral("<HTML>\r\n<HEAD>\r\n<TITLE>Kivo HTML Editor </TITLE>\r\n</HEAD>\r\n"
                                        "<BODY>\r\n\r\n</BODY>\r\n</HTML>"));
    codeLayout->addWidget(HTML_WINDOW);
    NB_MainWindow->addWidget(HTML_CODE);

    HTML_PREVIEW = new QWidget(NB_MainWindow);
    HTML_PREVIEW->setObjectName(QStringLiteral("HTML_PREVIEW"));
    auto* previewLayout = new QVBoxLayout(HTML_PREVIEW);
    previewLayout->setContentsMargins(0, 0, 0, 0);
    NB_MainWindow->addWidget(HTML_PREVIEW);
}

void TFM_MainForm::BuildBottomPanel()
{
    PA_Tabs = new QFrame(this);
    PA_Tabs->setFixedHeight(kTabsHeight);
    QFont arial(QStringLiteral("Arial"));
    arial.setPixelSize(12);
    PA_Tabs->setFont(arial);
    auto* layout = new QHBoxLayout(PA_Tabs);
    layout->setContentsMargins(0, 0, 4, 0);
    layout->setSpacing(2);

    TabSet1 = new QTabBar(PA_Tabs);
    TabSet1->setShape(QTabBar::TriangularSouth);
    TabSet1->setDrawBase(false);
    TabSet1->setExpanding(false);
    QFont bold = arial;
    bold.setBold(true);
    TabSet1->setFont(bold);
    TabSet1->addTab(QStringLiteral("HTML Document"));
    TabSet1->addTab(QStringLiteral("Preview Screen"));
    layout->addWidget(TabSet1);

    BT_Clock = SmallButton(PA_Tabs, Glyph::Clock, QStringLiteral("TimeStamp"), 0, 0);
    BT_Clock->setFixedSize(20, 20);
    BT_Clock->setEnabled(false);
    layout->addWidget(BT_Clock);
    BT_KivoLink = new QToolButton(PA_Tabs);
    BT_KivoLink->setText(QStringLiteral("Kivo!"));
    BT_KivoLink->setToolTip(QStringLiteral("Link to Kivo HomePage"));
    BT_KivoLink->setAutoRaise(true);
    BT_KivoLink->setEnabled(false);
    layout->addWidget(BT_KivoLink);

    LB_VFONT = new QLabel(PA_Tabs);
    LB_VFONT->setVisible(false);
    // Holds the preview's proportional font. Until the settings replace it,
    // that is the panel's own font, black: Arial, 12 pixels, that is 9 points.
    LB_VFONT->setFont(arial);
    QPalette black = LB_VFONT->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    LB_VFONT->setPalette(black);

    statusLabel_ = new QLabel(QStringLiteral(" "), PA_Tabs);
    statusLabel_->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    // A long status text is cut rather than widen the window.
    statusLabel_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    layout->addWidget(statusLabel_, 1);
}

void TFM_MainForm::BuildPullDownMenus()
{
    PopBT_Header = PullDownMenu(this, QStringLiteral("PopBT_Header"));
    PopBT_Font = PullDownMenu(this, QStringLiteral("PopBT_Font"));
    PopBT_Format = PullDownMenu(this, QStringLiteral("PopBT_Format"));
    PopBT_Link = PullDownMenu(this, QStringLiteral("PopBT_Link"));
    PopBT_Image = PullDownMenu(this, QStringLiteral("PopBT_Image"));
    PopBT_FORM = PullDownMenu(this, QStringLiteral("PopBT_FORM"));
    PopHTML = new QMenu(this);
    PopHTML->setObjectName(QStringLiteral("PopHTML"));
    POP_HTMLVIEW = new QMenu(this);
    POP_HTMLVIEW->setObjectName(QStringLiteral("POP_HTMLVIEW"));
}

void TFM_MainForm::BuildMainMenu()
{
    QMenuBar* bar = menuBar();
    File1 = bar->addMenu(QStringLiteral("&File"));
    New1 = Item(File1, QStringLiteral("&New"), QKeySequence(Qt::CTRL | Qt::Key_N));
    Open1 = Item(File1, QStringLiteral("&Open"), QKeySequence(Qt::CTRL | Qt::Key_O));
    NewKivoWindow1 = Item(File1, QStringLiteral("New &Kivo Window"));
    Close1 = Item(File1, QStringLiteral("&Close"));
    MNU_Insert = Item(File1, QStringLiteral("&Insert File"));
    MNU_Print = Item(File1, QStringLiteral("&Print"));
    Save1 = Item(File1, QStringLiteral("&Save"), QKeySequence(Qt::CTRL | Qt::Key_S));
    SaveAs = Item(File1, QStringLiteral("Save &As"));
    Exportwithouttags1 = Item(File1, QStringLiteral("&Export without tags"));
    File1->addSeparator();
    Exit2 = Item(File1, QStringLiteral("E&xit"));

    Edit1 = bar->addMenu(QStringLiteral("&Edit"));
    Undo1 = Item(Edit1, QStringLiteral("&Undo Typing"), QKeySequence(Qt::ALT | Qt::Key_Backspace));
    MNU_JumpLine = Item(Edit1, QStringLiteral("&Jump to line"), QKeySequence(Qt::CTRL | Qt::Key_J));
    Edit1->addSeparator();
    MNU_Cut = Item(Edit1, QStringLiteral("Cu&t"), QKeySequence(Qt::CTRL | Qt::Key_X));
    MNU_Copy = Item(Edit1, QStringLiteral("&Copy"), QKeySequence(Qt::CTRL | Qt::Key_C));
    MNU_Paste = Item(Edit1, QStringLiteral("&Paste"), QKeySequence(Qt::CTRL | Qt::Key_V));
    SelectAll1 = Item(Edit1, QStringLiteral("&Select All"), QKeySequence(Qt::CTRL | Qt::Key_Slash));
    SaveBlock1 = Item(Edit1, QStringLiteral("Sa&ve Selection"));
    Edit1->addSeparator();
    MNU_FmtLine = Item(Edit1, QStringLiteral("Format Selection"), QKeySequence(Qt::CTRL | Qt::Key_M));
    MNU_UsrTag = Item(Edit1, QStringLiteral("User Tags"), QKeySequence(Qt::CTRL | Qt::Key_G));
    MNU_Toggle = Item(Edit1, QStringLiteral("Toggle Document/Preview"), QKeySequence(Qt::CTRL | Qt::Key_T));

    Search1 = bar->addMenu(QStringLiteral("&Search"));
    MNU_Find = Item(Search1, QStringLiteral("&Find"), QKeySequence(Qt::CTRL | Qt::Key_F));
    MNU_FindAgain = Item(Search1, QStringLiteral("Find &Next"), QKeySequence(Qt::Key_F3));
    MNU_Replace = Item(Search1, QStringLiteral("&Replace"), QKeySequence(Qt::CTRL | Qt::Key_R));

    Options1 = bar->addMenu(QStringLiteral("&Options"));
    MNU_SetDir = Item(Options1, QStringLiteral("Set &Directory Bar"));
    MNU_EditorFont = Item(Options1, QStringLiteral("&Editor Font"));
    ViewerFont1 = Item(Options1, QStringLiteral("&Viewer Font (&Proportional)"));
    ViewerFontFixed1 = Item(Options1, QStringLiteral("Viewer Font (&Fixed)"));
    MNU_WordWrap = CheckItem(Options1, QStringLiteral("&Word Wrap"), false);
    MNU_AutoBR = CheckItem(Options1, QStringLiteral("&Auto Line Break"), false);
    MNU_Highlight = CheckItem(Options1, QStringLiteral("Syntax &Colouring"), true);
    MNU_LineNumbers = CheckItem(Options1, QStringLiteral("Line &Numbers"), true);
    MNU_Recovery = CheckItem(Options1, QStringLiteral("&Keep Recovery Copies"), true);
    MNU_Completion = CheckItem(Options1, QStringLiteral("Code Co&mpletion"), true);
    MNU_ShowImage = CheckItem(Options1, QStringLiteral("&Show Images in Preview"), true);
    MNU_DirBtn = CheckItem(Options1, QStringLiteral("Show Directory Bar"), true);
    MNU_SetBrowser = Item(Options1, QStringLiteral("Set Web &Browser"));
    Options1->addSeparator();
    MNU_AutoSave = CheckItem(Options1, QStringLiteral("Auto save options at exit"), true);
    MNU_SaveSetting = Item(Options1, QStringLiteral("Save Settings"));

    Help1 = bar->addMenu(QStringLiteral("Hel&p"));
    AboutKivo1 = Item(Help1, QStringLiteral("&About KivoPro"));
}
