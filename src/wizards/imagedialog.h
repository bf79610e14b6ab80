#pragma once

#include "wizards/imagetag.h"

#include <QDialog>
#include <functional>
#include <optional>

class Prompts;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QFileSystemModel;
class QGroupBox;
class QLabel;
class QLineEdit;
class QListView;
class QModelIndex;
class QPushButton;
class QSpinBox;
class QTreeView;
class THTMLViewer;
class QWidget;

// "Select Image": browse for a picture, see it previewed with the chosen
// options, and close with "&Done" or "&Cancel". One use, then destroyed.
class TFM_SelImage : public QDialog {
    Q_OBJECT
public:
    // `prompts` shows the errors of unreadable files; the dialog stays open.
    TFM_SelImage(Prompts& prompts, ImageDialogMode mode, QWidget* parent = nullptr);
    ~TFM_SelImage() override;

    ImageDialogMode Mode() const { return mode_; }

    // The folder whose files the list shows; setting it moves the folder
    // tree as choosing it there would.
    QString Folder() const;
    void SetFolder(const QString& folder);
    // The file list's full file name, empty while no file is chosen.
    QString FileName() const { return fileName_; }
    // Chooses a file of the list as a click on it would; false when the
    // list does not (yet) hold it.
    bool ChooseFile(const QString& name);
    // The type list's masks, e.g. "*.jpg;*.gif;*.png".
    QString Mask() const;

    ImageTagOptions Options() const;
    // What "&Done" returns for the document `documentFileName`.
    QString Result(const QString& documentFileName) const;

    // Events.
    void FileListBox1Click();
    void RefreshView();
    void SpeedButton1Click() { RefreshView(); }
    void HTMLViewer1Processing(bool processingOn);

    // --- Controls, named as designed ---------------------------------
    QComboBox* DriveComboBox1 = nullptr;
    QTreeView* DirectoryListBox1 = nullptr;
    QListView* FileListBox1 = nullptr;
    QComboBox* FilterComboBox1 = nullptr;
    THTMLViewer* HTMLViewer1 = nullptr;
    QWidget* PA_Options = nullptr;
    QLabel* LB_Filename = nullptr;
    QSpinBox* ED_Height = nullptr;
    QSpinBox* ED_Width = nullptr;
    QLineEdit* ED_ALT = nullptr;
    QGroupBox* RG_Align = nullptr;
    QCheckBox* CHK_ISMAP = nullptr;
    QCheckBox* CHK_ExcludePath = nullptr;
    QPushButton* SpeedButton1 = nullptr;
    QPushButton* BT_Ok = nullptr;
    QPushButton* BT_Select = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget* BuildBrowser();
    QWidget* BuildOptions();
    void DriveChanged(int index);
    void FolderChosen(const QModelIndex& index);
    void FilterChanged(int index);
    void ShowFolderInTree(const QString& folder);
    void KeepFolderInView();
    // Runs an event handler; a failure ends in the error box, not the event loop.
    void Guard(const std::function<void()>& handler);

    Prompts& prompts_;
    ImageDialogMode mode_;
    QFileSystemModel* folders_ = nullptr;
    QFileSystemModel* files_ = nullptr;
    QButtonGroup* alignItems_ = nullptr;
    QString folder_;
    QString fileName_;
    bool centred_ = false;
    bool listHadFocus_ = false;
    bool treeFollowsFolder_ = true;
};

// Runs the dialog for the document `documentFileName` (empty while it has
// no name) with the document's folder in the folder tree (the process's
// current folder for a document without a name). On "&Done"
// returns the IMG tag (picture mode) or the chosen picture's full path
// (background mode, empty when none was chosen); nothing on "&Cancel".
std::optional<QString> RunImageDialog(Prompts& prompts, const QString& documentFileName, ImageDialogMode mode,
                                      QWidget* parent = nullptr);
