// The main window's side of the settings file and the recent-file history:
// start-up and closing read and write the options, the Options commands
// that only change what is stored, and the history items of the File menu.
#include "app/mainform.h"

#include "app/recentfiles.h"
#include "app/settingsfile.h"
#include "app/windowplacement.h"
#include "common/settingsfont.h"
#include "editing/codecompletion.h"
#include "platform/editcontrol.h"
#include "platform/kivoerror.h"
#include "platform/profile.h"
#include "platform/prompts.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QScreen>
#include <QToolButton>

namespace {

QColor TextColor(const QWidget& widget, QPalette::ColorRole role)
{
    return widget.palette().color(role);
}

void SetTextColor(QWidget& widget, QPalette::ColorRole role, const QColor& color)
{
    QPalette palette = widget.palette();
    palette.setColor(role, color);
    widget.setPalette(palette);
}

}  // namespace

MainSettings TFM_MainForm::CurrentSettings() const
{
    MainSettings s;
    // A maximised or minimised window keeps the rectangle it returns to.
    const bool normal = !(isMaximized() || isMinimized());
    const QRect rect = normal ? QRect(pos(), size()) : normalGeometry();
    s.top = rect.top();
    s.left = rect.left();
    s.height = rect.height();
    s.width = rect.width();
    s.winState = isMinimized() ? StoredWindowState::Minimised
               : isMaximized() ? StoredWindowState::Maximised
                               : StoredWindowState::Normal;
    s.autoSave = MNU_AutoSave->isChecked();
    s.autoLineBreak = MNU_AutoBR->isChecked();
    s.wordWrap = MNU_WordWrap->isChecked();
    s.showDir = MNU_DirBtn->isChecked();
    s.highlight = MNU_Highlight->isChecked();
    s.lineNumbers = MNU_LineNumbers->isChecked();
    s.recovery = MNU_Recovery->isChecked();
    s.completion = MNU_Completion->isChecked();
    s.sideBySide = MNU_SideBySide->isChecked();
    s.sideBySideSplit = SideBySideSplit;
    s.syncScroll = MNU_SyncScroll->isChecked();
    s.editorFont = ToSettingsFont(HTML_WINDOW->font(), TextColor(*HTML_WINDOW, QPalette::Text));
    s.showImage = MNU_ShowImage->isChecked();
    s.previewFont = ToSettingsFont(LB_VFONT->font(), TextColor(*LB_VFONT, QPalette::WindowText));
    s.fixFontName = ViewerFixedFontName;
    s.browser = BrowserPath;
    return s;
}

void TFM_MainForm::LoadSettings()
{
    ReadProblemsListHeight();
    const std::optional<MainSettings> stored = ReadMainSettings(Profile(SettingsPath), CurrentSettings());
    if (!stored) {
        PlaceAtDesignSize(*this);
        MNU_WordWrapClick();
        return;
    }
    const MainSettings& s = *stored;

    switch (s.winState) {
    case StoredWindowState::Normal: {
        // A rectangle from a damaged file or a screen that is gone would put
        // the window where nobody can see or reach it.
        const QRect stored(s.left, s.top, s.width, s.height);
        const QList<QRect> screens = AvailableScreenAreas();
        const std::optional<QRect> placed = screens.isEmpty() ? stored : FitOnScreen(stored, screens);
        if (placed) {
            move(placed->topLeft());
            resize(placed->size());
        } else {
            PlaceAtDesignSize(*this);
        }
        break;
    }
    case StoredWindowState::Minimised:
        setWindowState(windowState() | Qt::WindowMinimized);
        break;
    case StoredWindowState::Maximised:
        setWindowState(windowState() | Qt::WindowMaximized);
        break;
    }

    // The preview's viewer, once the window has one, takes its image display
    // from this check mark and its default font from LB_VFONT below.
    MNU_ShowImage->setChecked(s.showImage);
    ViewerFixedFontName = s.fixFontName;
    MNU_AutoBR->setChecked(s.autoLineBreak);
    // The toggle below turns it back to the stored value.
    MNU_WordWrap->setChecked(!s.wordWrap);
    BT_CfgDirBtn->setVisible(!s.hideCfgBtn);
    MNU_DirBtn->setChecked(s.showDir);
    PA_DIRBTN->setVisible(s.showDir);
    MNU_WordWrapClick();
    MNU_AutoSave->setChecked(s.autoSave);
    MNU_Highlight->setChecked(s.highlight);
    MNU_LineNumbers->setChecked(s.lineNumbers);
    MNU_Recovery->setChecked(s.recovery);
    ApplyEditorView();
    MNU_Completion->setChecked(s.completion);
    if (completion_)
        completion_->SetEnabled(s.completion);
    SideBySideSplit = s.sideBySideSplit;
    MNU_SyncScroll->setChecked(s.syncScroll);
    MNU_SideBySide->setChecked(s.sideBySide);
    ApplySideBySide();

    if (s.editorFontStored) {
        HTML_WINDOW->setFont(ToQFont(s.editorFont, HTML_WINDOW->font()));
        SetTextColor(*HTML_WINDOW, QPalette::Text, ToQColor(s.editorFont.color, HTML_WINDOW->palette()));
    }
    if (s.previewFontStored) {
        LB_VFONT->setFont(ToQFont(s.previewFont, LB_VFONT->font()));
        SetTextColor(*LB_VFONT, QPalette::WindowText, ToQColor(s.previewFont.color, LB_VFONT->palette()));
    }
    BrowserPath = s.browser;
}

void TFM_MainForm::SaveSettings()
{
    WriteMainSettings(Profile(SettingsPath), CurrentSettings());
    WriteProblemsListHeight();
}

void TFM_MainForm::ApplyWordWrap()
{
    const bool wrap = MNU_WordWrap->isChecked();
    HTML_WINDOW->setLineWrapMode(wrap ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    HTML_WINDOW->setHorizontalScrollBarPolicy(wrap ? Qt::ScrollBarAlwaysOff : Qt::ScrollBarAsNeeded);
}

void TFM_MainForm::MNU_WordWrapClick()
{
    MNU_WordWrap->setChecked(!MNU_WordWrap->isChecked());
    ApplyWordWrap();
}

void TFM_MainForm::MNU_EditorFontClick()
{
    if (const std::optional<QFont> font = UserPrompts().ChooseFont(HTML_WINDOW->font()))
        HTML_WINDOW->setFont(*font);
}

void TFM_MainForm::Mnu_SaveSettingsClick()
{
    SaveSettings();
}

void TFM_MainForm::WireSettingsCommands()
{
    // The menu has already turned the check mark when these run.
    WireCommand(MNU_WordWrap, [this] { ApplyWordWrap(); });
    MNU_AutoSave->setEnabled(true);
    WireCommand(MNU_EditorFont, [this] { MNU_EditorFontClick(); });
    WireCommand(MNU_SaveSetting, [this] { Mnu_SaveSettingsClick(); });
}

void TFM_MainForm::RebuildHistoryMenu()
{
    ::RebuildHistoryMenu(*File1, FileMenuBaseCount, RecentFiles, Profile(SettingsPath),
                         [this](const QString& path) { Run([this, path] { HistoryItemClick(path); }); });
}

void TFM_MainForm::HistoryItemClick(const QString& path)
{
    OpenHistoryItem(path, [this](const QString& file) { document_->LoadHtmlFile(file); });
}

void TFM_MainForm::RecordRecentFile(const QString& path, HistoryMenuUpdate update)
{
    // The document is loaded or saved by now: a settings file that cannot be
    // written is reported without undoing that.
    std::optional<QString> failure;
    try {
        AddRecentFile(RecentFiles, path, Profile(SettingsPath));
    } catch (const SettingsWriteError& error) {
        failure = error.Message();
    }
    if (update == HistoryMenuUpdate::Rebuild)
        RebuildHistoryMenu();
    if (failure)
        UserPrompts().ShowError(*failure);
}
