#include "tools/programicon.h"

#include <QFile>
#include <QImage>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteText(const QString& path, const QByteArray& text)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text);
    file.setPermissions(file.permissions() | QFileDevice::ExeOwner);
}

QRgb CornerOf(const QIcon& icon)
{
    return icon.pixmap(16, 16).toImage().pixel(0, 0);
}

TEST(ProgramIcons, DesktopEntryIconFirstThenTheFileItselfAndNothingForAMissingProgram)
{
    QTemporaryDir folder;
    const QString program = folder.filePath(QStringLiteral("my viewer"));
    const QString plain = folder.filePath(QStringLiteral("plain"));
    WriteText(program, "#!/bin/sh\n");
    WriteText(plain, "#!/bin/sh\n");
    QImage red(16, 16, QImage::Format_ARGB32);
    red.fill(Qt::red);
    const QString picture = folder.filePath(QStringLiteral("viewer.png"));
    ASSERT_TRUE(red.save(picture));
    WriteText(folder.filePath(QStringLiteral("viewer.desktop")),
              QStringLiteral("[Desktop Entry]\nName=Viewer\nExec=\"%1\" %F\nIcon=%2\n[Desktop Action New]\nIcon=other\n")
                  .arg(program, picture)
                  .toUtf8());

    ProgramIcons icons({folder.path()});
    EXPECT_EQ(CornerOf(icons.IconOf(program)), QColor(Qt::red).rgb());
    // Without an icon of its own, and on a desktop without an icon theme,
    // the program shows the generic picture, never an empty one.
    const QImage plainPicture = icons.IconOf(plain).pixmap(30, 30).toImage();
    if (!QIcon::hasThemeIcon(QStringLiteral("plain")) && !QIcon::hasThemeIcon(QStringLiteral("application-x-executable"))) {
        EXPECT_EQ(plainPicture, GenericProgramIcon().pixmap(30, 30).toImage());
    }
    EXPECT_NE(plainPicture.pixel(15, 15), plainPicture.pixel(0, 0));
    EXPECT_TRUE(icons.IconOf(folder.filePath(QStringLiteral("gone"))).isNull());
    EXPECT_TRUE(icons.IconOf(QStringLiteral(" ")).isNull());
}

}  // namespace
