#pragma once

#include "app/mainform.h"

#include <QTemporaryDir>
#include <memory>

class Prompts;
class ProgramStarter;

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
