#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/dialoganswer.h"
#include "wizards/imagedialog.h"

#include <QAction>
#include <QMenu>
#include <QPushButton>
#include <QTest>

namespace {

class ImageWiring : public MainWindowTest {};

}  // namespace

TEST_F(ImageWiring, PictureItemOpensTheImageDialogForTheDocument)
{
    TFM_MainForm& form = Start();
    form.show();
    EXPECT_TRUE(form.BT_Image->isEnabled());
    const QList<QAction*> items = form.PopBT_Image->actions();
    ASSERT_GE(items.size(), 3);
    EXPECT_EQ(items[0]->text(), "&Done");
    EXPECT_TRUE(items[1]->isSeparator());
    QAction* picture = items[2];
    EXPECT_EQ(picture->text(), "&Picture");
    EXPECT_TRUE(picture->isEnabled());
    ASSERT_TRUE(QTest::qWaitFor([&] { return form.PopHTMLItems.MNU_Image->actions().size() == items.size(); }));

    form.HTML_WINDOW->SetText(QStringLiteral("ab"));
    form.HTML_WINDOW->SetSelection(1);
    QString seenMode;
    const DialogAnswer<TFM_SelImage> answer([&seenMode](TFM_SelImage& dialog) {
        seenMode = dialog.Mode() == ImageDialogMode::Picture ? "picture" : "background";
        dialog.BT_Ok->click();
    });
    picture->trigger();
    EXPECT_EQ(seenMode, "picture");
    // Nothing chosen: a tag with an empty address goes in at the caret.
    EXPECT_EQ(form.HTML_WINDOW->Text(), R"(a<IMG SRC="" WIDTH=0 HEIGHT=0>b)");
    EXPECT_TRUE(prompts.asked.empty());
}
