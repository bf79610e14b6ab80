#pragma once

#include <QDateTime>
#include <QString>
#include <functional>

class DdeClient;
class Prompts;
class ProgramStarter;

// The platform services the main window works through, built once in main
// and by tests with fakes.
struct PlatformServices {
    Prompts* prompts = nullptr;
    ProgramStarter* starter = nullptr;
    // Where it is missing, no DDE server is ever asked.
    DdeClient* dde = nullptr;
    // The program's own file and folder (the settings file and the
    // template live beside it unless the program is installed).
    QString programFile;
    QString programFolder;
    std::function<QDateTime()> clock = [] { return QDateTime::currentDateTime(); };
};
