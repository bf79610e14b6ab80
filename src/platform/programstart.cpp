#include "platform/programstart.h"

#include <QCoreApplication>
#include <QDesktopServices>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QUrl>

namespace {

QString FindProgram(const QString& program)
{
    if (program.contains(QLatin1Char('/'))) {
        const QFileInfo info(program);
        return info.exists() ? info.absoluteFilePath() : QString();
    }
    QString found = QStandardPaths::findExecutable(program);
    if (found.isEmpty())
        found = QStandardPaths::findExecutable(program.toLower());
    return found;
}

bool IsTextViewerName(const QString& program)
{
    return program.compare(QLatin1String("NOTEPAD"), Qt::CaseInsensitive) == 0 ||
           program.compare(QLatin1String("NOTEPAD.EXE"), Qt::CaseInsensitive) == 0;
}

}  // namespace

int ProcessProgramStarter::WinExec(const QString& program, const QStringList& arguments)
{
    return WinExecWatched(program, arguments, {});
}

int ProcessProgramStarter::OpenWithDesktop(const QString& file, const LateStartFailure& lateFailure)
{
    const QString path = QFileInfo(file).absoluteFilePath();
    const QString opener = FindProgram(opener_);
    if (opener.isEmpty())
        return QDesktopServices::openUrl(QUrl::fromLocalFile(path)) ? ExecResult::Started : ExecResult::FileNotFound;
    // The opener looks for an application only once it runs: its exit code
    // is the one word on whether the file was shown. The application object
    // owns the process until it ends.
    auto* opening = new QProcess(QCoreApplication::instance());
    opening->setProgram(opener);
    opening->setArguments({path});
    QObject::connect(opening, &QProcess::finished, opening,
                     [opening, lateFailure](int exitCode, QProcess::ExitStatus status) {
                         opening->deleteLater();
                         if (!lateFailure || (status == QProcess::NormalExit && exitCode == 0))
                             return;
                         // The desktop's opener exits with 3 when no application is found.
                         lateFailure(exitCode == 3 ? ExecResult::FileNotFound : ExecResult::BadFormat);
                     });
    // Whoever would hear of a failure may be gone once the program closes.
    QObject::connect(QCoreApplication::instance(), &QCoreApplication::aboutToQuit, opening,
                     [opening] { opening->disconnect(); });
    opening->start();
    if (!opening->waitForStarted()) {
        delete opening;
        return ExecResult::FileNotFound;
    }
    return ExecResult::Started;
}

int ProcessProgramStarter::WinExecWatched(const QString& program, const QStringList& arguments,
                                          const LateStartFailure& lateFailure)
{
    const QString path = FindProgram(program.trimmed());
    if (path.isEmpty()) {
        if (IsTextViewerName(program.trimmed()) && arguments.size() == 1)
            return OpenWithDesktop(arguments.front(), lateFailure);
        return program.contains(QLatin1Char('/')) ? ExecResult::PathNotFound : ExecResult::FileNotFound;
    }
    const QFileInfo info(path);
    if (info.isDir() || !info.isExecutable())
        return ExecResult::AccessDenied;
    return QProcess::startDetached(path, arguments) ? ExecResult::Started : ExecResult::BadFormat;
}
