#include "platform/qtprompts.h"
#include "support/dialoganswer.h"

#include <QFileDialog>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>

namespace {

// Types `name` into the save dialog's name field and presses Return.
std::optional<QString> SaveAsTyped(const QString& folder, const QString& name)
{
    DialogAnswer<QFileDialog> answer([&name](QFileDialog& dialog) {
        auto* field = dialog.findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
        ASSERT_NE(field, nullptr);
        field->setText(name);
        QTest::keyClick(field, Qt::Key_Return);
    });
    QtPrompts prompts;
    FileDialogOptions options;
    options.filter = QStringLiteral("HTML files|*.htm|All files|*.*");
    options.initialFolder = folder;
    std::optional<QString> chosen = prompts.SaveFileName(options);
    EXPECT_TRUE(answer.Answered());
    return chosen;
}

TEST(QtPromptsTest, ASaveDialogTakesWhatWasTypedAsOneName)
{
    QTemporaryDir folder;
    ASSERT_TRUE(folder.isValid());
    EXPECT_EQ(SaveAsTyped(folder.path(), QStringLiteral("my \"sel\"; part.htm")),
              folder.filePath(QStringLiteral("my \"sel\"; part.htm")));
    EXPECT_EQ(SaveAsTyped(folder.path(), QStringLiteral("\"quoted\" \"twice\".htm")),
              folder.filePath(QStringLiteral("\"quoted\" \"twice\".htm")));
    EXPECT_EQ(SaveAsTyped(folder.path(), QStringLiteral("plain.htm")), folder.filePath(QStringLiteral("plain.htm")));
}

}  // namespace
