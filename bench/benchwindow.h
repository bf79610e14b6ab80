#pragma once

#include "app/mainform.h"
#include "platform/prompts.h"

#include <QTemporaryDir>
#include <memory>

class ProgramStarter;

// Nobody answers during a benchmark: every question is declined.
class DecliningPrompts : public Prompts {
public:
    Answer Message(const QString&, MessageKind, MessageButtons buttons, const QString&) override
    {
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    }
    std::optional<QString> AskValue(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> OpenFileName(const FileDialogOptions&) override { return {}; }
    std::optional<QString> SaveFileName(const FileDialogOptions&) override { return {}; }
    std::optional<QFont> ChooseFont(const QFont&) override { return {}; }
    std::optional<QColor> ChooseColor(const QColor&) override { return {}; }
    std::optional<PrintRangeChoice> ChoosePrinter(QPrinter&, const PrintDialogOptions&) override { return {}; }
};

// The main window on services that need nobody: every question is
// declined and no program starts. Shown at 1024 by 768.
class BenchWindow {
public:
    BenchWindow();
    ~BenchWindow();
    TFM_MainForm& form() { return *form_; }

private:
    QTemporaryDir folder_;
    std::unique_ptr<Prompts> prompts_;
    std::unique_ptr<ProgramStarter> starter_;
    PlatformServices services_;
    std::unique_ptr<TFM_MainForm> form_;
};
