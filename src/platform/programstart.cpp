#include "platform/programstart.h"

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
    const QString path = FindProgram(program.trimmed());
    if (path.isEmpty()) {
        if (IsTextViewerName(program.trimmed()) && arguments.size() == 1) {
            const QUrl url = QUrl::fromLocalFile(QFileInfo(arguments.front()).absoluteFilePath());
            return QDesktopServices::openUrl(url) ? ExecResult::Started : ExecResult::FileNotFound;
        }
        return program.contains(QLatin1Char('/')) ? ExecResult::PathNotFound : ExecResult::FileNotFound;
    }
    const QFileInfo info(path);
    if (info.isDir() || !info.isExecutable())
        return ExecResult::AccessDenied;
    return QProcess::startDetached(path, arguments) ? ExecResult::Started : ExecResult::BadFormat;
}
