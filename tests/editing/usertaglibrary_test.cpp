#include "editing/usertaglibrary.h"

#include "platform/kivoerror.h"
#include "support/qtprinters.h"
#include "support/testfiles.h"

#include <QDir>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

class UserTagLibraryFile : public ::testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(folder.isValid()); }

    QTemporaryDir folder;
    const QString path = UserTagLibraryPath(folder.path());
};

TEST_F(UserTagLibraryFile, AnUntouchedLibraryIsSavedAs254EmptyRows)
{
    const UserTagLibrary missing = LoadUserTagLibrary(path);
    EXPECT_EQ(missing.cells, GridCells(3, 254));
    SaveUserTagLibrary(path, missing.cells, missing.format);
    EXPECT_EQ(ReadFile(path), QByteArray("``,``,``\r\n").repeated(254));
}

TEST_F(UserTagLibraryFile, CommasAndDoubleQuotesSurviveAGraveAccentAloneIsLost)
{
    GridCells cells(3, 254);
    cells.SetCell(0, 0, QStringLiteral("<A HREF=\"x.htm\">"));
    cells.SetCell(2, 0, QStringLiteral("a link, quoted"));
    EXPECT_FALSE(SaveUserTagLibrary(path, cells, {}));
    EXPECT_TRUE(ReadFile(path).startsWith("`<A HREF=\"x.htm\">`,``,`a link, quoted`\r\n``,``,``\r\n"));
    EXPECT_EQ(LoadUserTagLibrary(path).cells, cells);

    // Written as it stands, the grave would end the quoting and run the
    // rest of the row into one cell.
    cells.SetCell(0, 253, QStringLiteral("it`s"));
    cells.SetCell(1, 253, QStringLiteral("</Q>"));
    EXPECT_TRUE(SaveUserTagLibrary(path, cells, {}));
    const GridCells loaded = LoadUserTagLibrary(path).cells;
    EXPECT_EQ(loaded.Cell(0, 253), QStringLiteral("its"));
    EXPECT_EQ(loaded.Cell(1, 253), QStringLiteral("</Q>"));
}

TEST_F(UserTagLibraryFile, LongWideAndDamagedFilesLoadWhatFits)
{
    QByteArray bytes;
    for (int line = 0; line < 300; ++line)
        bytes += QStringLiteral("`<%1>`,`</%1>`,``\r\n").arg(line).toLatin1();
    WriteFile(path, bytes);
    UserTagLibrary library = LoadUserTagLibrary(path);
    EXPECT_EQ(library.cells.Rows(), 254);
    EXPECT_EQ(library.cells.Cell(0, 253), QStringLiteral("<253>"));
    EXPECT_TRUE(library.cut);
    SaveUserTagLibrary(path, library.cells, library.format);
    EXPECT_EQ(ReadFile(path).count("\r\n"), 254);

    // Empty rows past the end lose nothing worth a word.
    WriteFile(path, QByteArray("``,``,``\r\n").repeated(300));
    EXPECT_FALSE(LoadUserTagLibrary(path).cut);

    // Stray bytes, lines without graves or commas, extra fields.
    WriteFile(path, QByteArray(1, '\0') + "\xff`x,y`\r\nplain words, no graves\r\n`a`,`b`,`c`,`d`\r\n\r\n" +
                        QByteArray("`x`,").repeated(1000));
    library = LoadUserTagLibrary(path);
    EXPECT_EQ(library.cells.Cell(0, 0), QString(QChar(0)) + QChar(0xff) + QStringLiteral("x,y"));
    EXPECT_EQ(library.cells.Cell(1, 1), QStringLiteral(" no graves"));
    EXPECT_EQ(library.cells.Cell(3, 2), QStringLiteral("d"));
    EXPECT_EQ(library.cells.Columns(), kMaxUserTagColumns);
    EXPECT_TRUE(library.cut);
}

TEST_F(UserTagLibraryFile, EncodingAndLineEndsAreKept)
{
    const QByteArray windows1252("`caf\xe9`,`\x80`,``\n");
    WriteFile(path, windows1252);
    const UserTagLibrary library = LoadUserTagLibrary(path);
    EXPECT_EQ(library.cells.Cell(0, 0), QStringLiteral("caf\u00e9"));
    EXPECT_EQ(library.cells.Cell(1, 0), QStringLiteral("\u20ac"));
    SaveUserTagLibrary(path, library.cells, library.format);
    EXPECT_EQ(ReadFile(path), windows1252 + QByteArray("``,``,``\n").repeated(253));
}

TEST_F(UserTagLibraryFile, AFileThatCannotBeReadOrWrittenRaisesItsError)
{
    // An empty library must not stand in for one that could not be read.
    ASSERT_TRUE(QDir(folder.path()).mkdir(QStringLiteral("usertags.lst")));
    EXPECT_THROW(LoadUserTagLibrary(path), FileOpenError);
    const QString nowhere = UserTagLibraryPath(folder.filePath(QStringLiteral("gone")));
    EXPECT_THROW(SaveUserTagLibrary(nowhere, GridCells(3, 254), {}), FileCreateError);
}

}  // namespace
