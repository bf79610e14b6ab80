#include "platform/commandwrapper.h"

#include "platform/kivoerror.h"

#include <exception>

namespace {

// Shows the message of the exception being handled.
void ReportCurrentException(Prompts& prompts)
{
    try {
        throw;
    } catch (const KivoError& error) {
        prompts.ShowError(error.Message());
    } catch (const std::exception& error) {
        prompts.ShowError(QString::fromLocal8Bit(error.what()));
    }
}

}  // namespace

void RunCommand(Prompts& prompts, const std::function<void()>& command)
{
    try {
        command();
    } catch (const std::exception&) {
        ReportCurrentException(prompts);
    }
}

bool KivoApplication::notify(QObject* receiver, QEvent* event)
{
    try {
        return QApplication::notify(receiver, event);
    } catch (const std::exception&) {
        if (!prompts_)
            throw;
        ReportCurrentException(*prompts_);
    }
    return false;
}
