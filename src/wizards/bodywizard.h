#pragma once

#include "wizards/bodytag.h"

#include <QDialog>
#include <functional>
#include <optional>

class Prompts;
class QCheckBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QToolButton;
class TColorGrid;
class THTMLViewer;

// "Body Code Generator": builds a BODY tag's colours and background picture
// while a sample page under the tag shows the effect. One use, then destroyed.
class TFM_BodyCode : public QDialog {
    Q_OBJECT
public:
    explicit TFM_BodyCode(Prompts& prompts, QWidget* parent = nullptr);
    ~TFM_BodyCode() override;

    // Starts on `tag` for the document `documentName` (empty while it has no
    // name), whose folder becomes the current one for the sample's pictures.
    void Open(const QString& tag, const QString& documentName);
    // The tag as built or typed: what OK hands back.
    QString Code() const;
    // The full path of the background picture, empty when there is none.
    QString BackgroundFullPath() const;

    // Events.
    void FormCreate();
    void FntColorGridChange(BodyColorAttr attr, const QColor& colour);
    void SpeedButton2Click(BodyColorAttr attr);
    void SpeedButton1Click();
    void CHK_ExcludePathClick();
    // Shows `tag` in the code field and the sample page under it.
    void ShowPreview(const QString& tag);

    // --- Controls, named as designed ---------------------------------
    THTMLViewer* BodyViewer = nullptr;
    TColorGrid* FntColorGrid = nullptr;
    TColorGrid* BGColorGrid = nullptr;
    TColorGrid* LinkColorGrid = nullptr;
    QPushButton* SpeedButton2 = nullptr;
    QPushButton* SpeedButton3 = nullptr;
    QPushButton* SpeedButton4 = nullptr;
    QLineEdit* ED_FileName = nullptr;
    QToolButton* SpeedButton1 = nullptr;
    QCheckBox* CHK_ExcludePath = nullptr;
    QLabel* LB_BGFN = nullptr;
    QLineEdit* HTML_Code = nullptr;
    QPushButton* BitBtn1 = nullptr;
    QPushButton* BitBtn2 = nullptr;

protected:
    void showEvent(QShowEvent* event) override;

private:
    QWidget* BuildColors();
    QWidget* BuildBackground();
    void LoadSample();
    void SetBackground(const QString& fullPath);
    QString FullPicturePath(const QString& address) const;
    // Runs an event handler; a failure ends in the error box, not the event loop.
    void Guard(const std::function<void()>& handler);

    Prompts& prompts_;
    QString documentName_;
    QString documentFolder_;
    bool centred_ = false;
};

// Shows the wizard for `tag`; on OK returns the tag it built, on Cancel nothing.
std::optional<QString> RunBodyWizard(Prompts& prompts, const QString& tag, const QString& documentName,
                                     QWidget* parent = nullptr);
