#include "common/settingsfolder.h"
#include "support/testfiles.h"

#include <QDir>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

// A program installed under <prefix>/bin, a folder it cannot write, with its
// template under <prefix>/share; the user's folders are temporary ones, so a
// copy installed on this machine is not found either. (How the access is
// found out is checked end to end by tests/install, as another user than
// root.)
TEST(SettingsFolder, AnInstalledProgramUsesTheUsersFolderAndFallsBackToTheInstalledTemplate)
{
    QTemporaryDir root;
    ASSERT_TRUE(root.isValid());
    const char* const variables[] = {"XDG_CONFIG_HOME", "XDG_DATA_HOME", "XDG_DATA_DIRS"};
    QByteArray saved[3];
    for (int i = 0; i < 3; ++i) {
        saved[i] = qgetenv(variables[i]);
        qputenv(variables[i], root.filePath(QString::fromLatin1(variables[i])).toLocal8Bit());
    }
    const QString bin = root.filePath(QStringLiteral("prefix/bin"));
    QDir().mkpath(bin);
    EXPECT_EQ(SettingsFolder(bin), bin) << "a folder the program may write";
    const QString user = root.filePath(QStringLiteral("XDG_CONFIG_HOME/kivopro32"));

    EXPECT_EQ(SettingsFolder(bin, FolderAccess::ReadOnly), user);
    EXPECT_TRUE(QDir(user).exists()) << "made, so the first save can write into it";
    EXPECT_EQ(TemplatePath(bin, FolderAccess::ReadOnly), QString()) << "no template anywhere";
    const QString installed = root.filePath(QStringLiteral("prefix/share/kivopro32/NORMAL.TXT"));
    QDir().mkpath(QFileInfo(installed).path());
    WriteFile(installed, "<HTML>");
    EXPECT_EQ(TemplatePath(bin, FolderAccess::ReadOnly), installed);
    WriteFile(user + QStringLiteral("/NORMAL.TXT"), "<HTML><BODY>");
    EXPECT_EQ(TemplatePath(bin, FolderAccess::ReadOnly), user + QStringLiteral("/NORMAL.TXT"));

    for (int i = 0; i < 3; ++i)
        saved[i].isNull() ? qunsetenv(variables[i]) : qputenv(variables[i], saved[i]);
}

}  // namespace
