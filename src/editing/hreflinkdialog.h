#pragma once

#include "editing/bookmarks.h"
#include "editing/linkheaders.h"

#include <QDialog>
#include <optional>
#include <vector>

class QButtonGroup;
class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QStackedWidget;
class QTableWidget;

// Remote: an address typed behind a header. Bookmark: a named anchor of the
// document chosen from a list.
enum class LinkDialogMode { Remote, Bookmark };

// "Link to other documents": one use, then destroyed.
class TFM_HREFLINK : public QDialog {
    Q_OBJECT
public:
    // What exec() returns: Cancel, "Ok", or "Insert with Description".
    enum Result { Cancelled = QDialog::Rejected, Confirmed = QDialog::Accepted, WithDescription = 2 };

    // `settingsPath` is the settings file holding the default header.
    TFM_HREFLINK(LinkDialogMode mode, QString settingsPath, QWidget* parent = nullptr);

    LinkDialogMode Mode() const { return mode_; }

    // Fills the list: a row per bookmark and an empty row after them; with no
    // bookmarks "No BookMark Defined" covers the list.
    void SetBookmarks(const std::vector<Bookmark>& bookmarks);
    // Name and description of the chosen row; empty for the empty row.
    Bookmark ChosenBookmark() const;

    RemoteHeader ChosenHeader() const;
    // Chooses a header as a click on it would, rewriting ED_LINK.
    void SelectHeader(RemoteHeader header);
    // A header was chosen: ED_LINK gets it in place of its old one, and when
    // the dialog shows, the address after it is selected for typing over.
    void RG1Click();

    // --- Controls, named as designed ---------------------------------
    QStackedWidget* NB_HREF = nullptr;
    QWidget* Remote = nullptr;
    QLineEdit* ED_LINK = nullptr;
    QGroupBox* RG1 = nullptr;
    QCheckBox* CHK_Default = nullptr;
    QWidget* Local = nullptr;
    QTableWidget* SG1 = nullptr;
    QLabel* PA_Empty = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;
    QPushButton* BT_Desc = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    void BuildRemotePage();
    void BuildLocalPage();
    void FormActivate();

    LinkDialogMode mode_;
    QString settingsPath_;
    QButtonGroup* headers_ = nullptr;
    bool activated_ = false;
};

struct LinkDialogSetup {
    LinkDialogMode mode = LinkDialogMode::Remote;
    // The link text the caller has (the selection).
    QString description;
    // Bookmark mode: the bookmarks to choose from.
    std::vector<Bookmark> bookmarks;
    // Remote mode: where the default header is read and written.
    QString settingsPath;
};

struct LinkChoice {
    // The address typed, or the chosen bookmark's name (empty for the empty row).
    QString link;
    // The description passed in, or the bookmark's own after "Insert with Description".
    QString description;
};

// Runs the dialog; nothing when the user cancels. Remote mode with "Save as
// Default Header" ticked stores the chosen header (a write failure raises
// SettingsWriteError).
std::optional<LinkChoice> RunLinkDialog(const LinkDialogSetup& setup, QWidget* parent = nullptr);
