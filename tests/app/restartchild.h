#pragma once

#include <QProcess>
#include <QString>
#include <QStringList>

#include <map>
#include <memory>

// Started with this argument, a phase and a folder, the test executable runs
// the program once in that folder instead of its tests (see RunRestartChild).
inline constexpr char kRestartChildArgument[] = "--restart-child";

// One run of the program whose settings file lives in `folder`. The phase
// "change" changes the options, saves them and closes; the phase "compare"
// only starts. Either reports what it saw as key=value lines on standard
// output, for the parent test to check. Returns the process's exit code.
int RunRestartChild(const QString& phase, const QString& folder);

// The test executable started offscreen with `arguments`, in one of its
// child modes.
std::unique_ptr<QProcess> StartChild(const QStringList& arguments);
// Waits for the child to end with exit code 0 and reads the key=value lines
// it wrote to standard output.
std::map<QString, QString> ChildReport(QProcess& child);
