#pragma once

#include "platform/prompts.h"

#include <QApplication>
#include <functional>

// Runs one command; a failure it does not handle itself ends in the general
// error box, and the program goes on.
void RunCommand(Prompts& prompts, const std::function<void()>& command);

// Wraps a command for connecting to a signal, so no exception ever crosses
// the event loop.
inline std::function<void()> Guarded(Prompts& prompts, std::function<void()> command)
{
    return [&prompts, command = std::move(command)] { RunCommand(prompts, command); };
}

// The backstop: an exception that escapes an event handler is shown, not fatal.
class KivoApplication : public QApplication {
public:
    KivoApplication(int& argc, char** argv) : QApplication(argc, argv) {}
    void SetPrompts(Prompts* prompts) { prompts_ = prompts; }
    bool notify(QObject* receiver, QEvent* event) override;

private:
    Prompts* prompts_ = nullptr;
};
