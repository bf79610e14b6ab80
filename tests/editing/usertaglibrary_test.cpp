#include "editing/usertaglibrary.h"

#include "platform/kivoerror.h"
#include "support/qtprinters.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

void WriteFile(const QString& path, const QByteArray& bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(bytes);
}

QByteArray ReadFile(const QString& path)
{
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll();
}

QByteArray Repeated(const QByteArray& line, int count)
{
    QByteArray bytes;
    for (int i = 0; i < count; ++i)
        bytes += line;
    return bytes;
}

class UserTagLibraryFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QTemporaryDir folder;
    const QString path = UserTagLibraryPath(folder.path());
};

TEST_F(UserTagLibraryFile, LivesBesideTheProgram)
{
    EXPECT_EQ(path, QDir(folder.path()).filePath(QStringLiteral("usertags.lst")));
}

TEST_F(UserTagLibraryFile, AnUntouchedLibraryIsSavedAs254EmptyRows)
{
    const UserTagLibrary missing = LoadUserTagLibrary(path);
    EXPECT_EQ(missing.cells, GridCells(3, 254));
    EXPECT_FALSE(missing.cut);
    SaveUserTagLibrary(path, missing.cells, missing.format);
    EXPECT_EQ(ReadFile(path), Repeated("``,``,``\r\n", 254));
}

TEST_F(UserTagLibraryFile, CommasAndDoubleQuotesSurviveAGraveAccentIsLost)
{
    GridCells cells(3, 254);
    cells.SetCell(0, 0, QStringLiteral("<A HREF=\"x.htm\">"));
    cells.SetCell(1, 0, QStringLiteral("</A>"));
    cells.SetCell(2, 0, QStringLiteral("a link, quoted"));
    EXPECT_FALSE(SaveUserTagLibrary(path, cells, {}));
    EXPECT_TRUE(ReadFile(path).startsWith("`<A HREF=\"x.htm\">`,`</A>`,`a link, quoted`\r\n``,``,``\r\n"));

    // Written as it stands, the grave would end the quoting and run the
    // rest of the row into one cell; only the grave itself may go.
    cells.SetCell(0, 253, QStringLiteral("it`s"));
    cells.SetCell(1, 253, QStringLiteral("</Q>"));
    EXPECT_TRUE(SaveUserTagLibrary(path, cells, {}));
    EXPECT_TRUE(ReadFile(path).endsWith("\r\n`its`,`</Q>`,``\r\n"));

    const UserTagLibrary loaded = LoadUserTagLibrary(path);
    EXPECT_EQ(loaded.cells.Cell(0, 0), QStringLiteral("<A HREF=\"x.htm\">"));
    EXPECT_EQ(loaded.cells.Cell(1, 0), QStringLiteral("</A>"));
    EXPECT_EQ(loaded.cells.Cell(2, 0), QStringLiteral("a link, quoted"));
    EXPECT_EQ(loaded.cells.Cell(0, 253), QStringLiteral("its"));
    EXPECT_EQ(loaded.cells.Cell(1, 253), QStringLiteral("</Q>"));

    // A file written elsewhere with a lone grave reads as the classic
    // splitter reads it.
    WriteFile(path, "`it`s`,`</Q>`,``\r\n");
    EXPECT_EQ(LoadUserTagLibrary(path).cells.Cell(0, 0), QStringLiteral("its,</Q>,"));
}

TEST_F(UserTagLibraryFile, ALongFileLoadsItsFirst254LinesAndSaysWhenTextIsLeftOut)
{
    QByteArray bytes;
    for (int line = 0; line < 300; ++line)
        bytes += QStringLiteral("`<%1>`,`</%1>`,`entry %1`\r\n").arg(line).toLatin1();
    WriteFile(path, bytes);
    UserTagLibrary library = LoadUserTagLibrary(path);
    EXPECT_EQ(library.cells.Rows(), 254);
    EXPECT_EQ(library.cells.Columns(), 3);
    EXPECT_EQ(library.cells.Cell(0, 253), QStringLiteral("<253>"));
    EXPECT_TRUE(library.cut);
    SaveUserTagLibrary(path, library.cells, library.format);
    EXPECT_EQ(ReadFile(path).count("\r\n"), 254);

    // Empty rows past the end lose nothing worth a word.
    WriteFile(path, Repeated("`a`,`b`,`c`\r\n", 10) + Repeated("``,``,``\r\n", 290));
    library = LoadUserTagLibrary(path);
    EXPECT_FALSE(library.cut);
    EXPECT_EQ(library.cells.Cell(2, 9), QStringLiteral("c"));
}

TEST_F(UserTagLibraryFile, DamagedOrForeignLinesLoadWhatTheyCan)
{
    const QByteArray binary("\x00\x01\xff\xfe`x\x00y`,\r\x89PNG\x1a\r\n", 16);
    WriteFile(path, "plain words, no graves\r\n"
                    "`a`,`b`,`c`,`d`,`e`\r\n"
                    "\r\n"
                    "`unclosed,still one field\r\n" +
                        binary);
    const UserTagLibrary library = LoadUserTagLibrary(path);
    EXPECT_EQ(library.cells.Rows(), 254);
    EXPECT_EQ(library.cells.Columns(), 5);
    EXPECT_EQ(library.cells.Cell(0, 0), QStringLiteral("plain words"));
    EXPECT_EQ(library.cells.Cell(1, 0), QStringLiteral(" no graves"));
    EXPECT_EQ(library.cells.Cell(4, 1), QStringLiteral("e"));
    EXPECT_EQ(library.cells.Cell(0, 2), QString());
    EXPECT_EQ(library.cells.Cell(0, 3), QStringLiteral("unclosed,still one field"));
    EXPECT_FALSE(library.cut);

    // A line of a thousand fields would make a thousand columns.
    WriteFile(path, Repeated("`x`,", 1000) + "\r\n");
    const UserTagLibrary wide = LoadUserTagLibrary(path);
    EXPECT_EQ(wide.cells.Columns(), kMaxUserTagColumns);
    EXPECT_EQ(wide.cells.Rows(), 254);
    EXPECT_TRUE(wide.cut);
}

TEST_F(UserTagLibraryFile, EncodingAndLineEndsAreKept)
{
    // Windows-1252: e acute and the euro sign.
    const QByteArray latin("`caf\xe9`,`\x80`,``\r\n");
    WriteFile(path, latin);
    UserTagLibrary library = LoadUserTagLibrary(path);
    EXPECT_EQ(library.cells.Cell(0, 0), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(library.cells.Cell(1, 0), QStringLiteral("\u20ac"));
    SaveUserTagLibrary(path, library.cells, library.format);
    EXPECT_EQ(ReadFile(path), latin + Repeated("``,``,``\r\n", 253));

    // A character the old encoding cannot hold turns the file into UTF-8.
    library.cells.SetCell(2, 0, QStringLiteral("\u65e5"));
    SaveUserTagLibrary(path, library.cells, library.format);
    EXPECT_TRUE(ReadFile(path).startsWith("`caf\xc3\xa9`,`\xe2\x82\xac`,`\xe6\x97\xa5`\r\n"));
    EXPECT_EQ(LoadUserTagLibrary(path).cells, library.cells);

    // A Linux user's file keeps its LF line ends.
    WriteFile(path, "`<b>`,`</b>`,`bold`\n");
    library = LoadUserTagLibrary(path);
    SaveUserTagLibrary(path, library.cells, library.format);
    EXPECT_EQ(ReadFile(path), "`<b>`,`</b>`,`bold`\n" + Repeated("``,``,``\n", 253));
}

TEST_F(UserTagLibraryFile, AFileThatCannotBeReadOrWrittenRaisesItsError)
{
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("usertags.lst")));
    EXPECT_THROW(LoadUserTagLibrary(path), FileOpenError);

    const QString nowhere = UserTagLibraryPath(folder.filePath(QStringLiteral("gone")));
    EXPECT_THROW(SaveUserTagLibrary(nowhere, GridCells(3, 254), {}), FileCreateError);
}

TEST_F(UserTagLibraryFile, AFailedSaveLeavesTheOldLibraryWhole)
{
    WriteFile(path, "`old`,``,``\r\n");
    QFile(path).setPermissions(QFileDevice::ReadOwner);
    QFile(folder.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::ExeOwner);
    GridCells cells(3, 254);
    cells.SetCell(0, 0, QStringLiteral("new"));
    bool failed = false;
    try {
        SaveUserTagLibrary(path, cells, {});
    } catch (const FileCreateError&) {
        failed = true;
    }
    QFile(folder.path()).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
    // Running as root the write may be allowed; either way nothing is half written.
    const QByteArray bytes = ReadFile(path);
    if (failed)
        EXPECT_EQ(bytes, "`old`,``,``\r\n");
    else
        EXPECT_EQ(LoadUserTagLibrary(path).cells, cells);
}

}  // namespace
