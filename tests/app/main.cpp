#include "recoverychild.h"
#include "restartchild.h"

#include <QApplication>
#include <QTemporaryDir>
#include <gtest/gtest.h>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    const QStringList arguments = QCoreApplication::arguments();
    if (arguments.size() == 4 && arguments[1] == QLatin1String(kRestartChildArgument))
        return RunRestartChild(arguments[2], arguments[3]);
    if (arguments.size() > 3 && arguments[1] == QLatin1String(kRecoveryChildArgument))
        return RunRecoveryChild(arguments.mid(2));
    // Recovery copies live in the per-user data folder: the tests keep theirs
    // apart, so a copy left by a real run is never offered or removed here.
    QTemporaryDir dataHome;
    qputenv("XDG_DATA_HOME", dataHome.path().toLocal8Bit());
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
