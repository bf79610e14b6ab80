#include "mainwindowfixture.h"
#include "editing/hreflinkdialog.h"
#include "editing/linkcommands.h"
#include "platform/editcontrol.h"
#include "platform/profile.h"
#include "support/dialoganswer.h"
#include "support/menuitems.h"

#include <QAction>
#include <QFile>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

namespace {

const QStringList kLinkMenu = {QStringLiteral("&Done"),         QStringLiteral("-"),
                               QStringLiteral("&BookMark"),     QStringLiteral("&Remote Sites"),
                               QStringLiteral("&File on Local Drive"), QStringLiteral("-"),
                               QStringLiteral("&Define BookMark")};

using Links = MainWindowTest;

TEST_F(Links, LinkMenuAndKivoButtonAreWired)
{
    TFM_MainForm& form = Start();
    EXPECT_EQ(MenuCaptions(*form.PopBT_Link), kLinkMenu);
    EXPECT_TRUE(form.BT_Link->isEnabled());
    EXPECT_EQ(form.BT_KivoLink->text(), QStringLiteral("Kivo!"));
    EXPECT_EQ(form.BT_KivoLink->toolTip(), QStringLiteral("Link to Kivo HomePage"));
    EXPECT_TRUE(form.BT_KivoLink->isEnabled());

    form.HTML_WINDOW->SetText(QStringLiteral("<BODY>\r\n\r\n</BODY>"));
    form.HTML_WINDOW->SetSelection(8);
    form.BT_KivoLink->click();
    EXPECT_EQ(form.HTML_WINDOW->Line(1),
              QStringLiteral("<A HREF=\"") + kKivoHomePage + QStringLiteral("\">Created with Kivo!</A>"));
    EXPECT_TRUE(form.Document().DocumentModified());
}

TEST_F(Links, TheContextMenuMirrorsTheLinkMenuOnce)
{
    TFM_MainForm& form = Start();
    form.show();
    QMenu* mirror = form.PopHTMLItems.MNU_Link;
    ASSERT_NE(mirror, nullptr);
    (void)QTest::qWaitFor([&] { return MenuCaptions(*mirror) == kLinkMenu; });
    EXPECT_EQ(MenuCaptions(*mirror), kLinkMenu);
    form.hide();
    form.show();
    QTest::qWait(20);
    EXPECT_EQ(MenuCaptions(*mirror), kLinkMenu);

    form.HTML_WINDOW->SetText(QStringLiteral("Intro"));
    form.HTML_WINDOW->SetSelection(0, 5);
    prompts.values.push_back(QStringLiteral("intro"));
    MenuItem(*mirror, QStringLiteral("&Define BookMark"))->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<A NAME=\"intro\">Intro</A>"));
}

TEST_F(Links, RemoteSitesUseTheProgramsSettingsFile)
{
    Profile(Path(QStringLiteral("KIVO.INI")))
        .WriteString(QStringLiteral("Remote Link"), QStringLiteral("Default"), QStringLiteral("3"));
    TFM_MainForm& form = Start();
    form.HTML_WINDOW->SetText(QStringLiteral("mail us"));
    form.HTML_WINDOW->SetSelection(0, 7);
    DialogAnswer<TFM_HREFLINK> answer([](TFM_HREFLINK& dialog) {
        EXPECT_EQ(dialog.ED_LINK->text(), QStringLiteral("mailto:"));
        QTest::keyClicks(dialog.ED_LINK, QStringLiteral("info@example.org"));
        dialog.BitBtn1->click();
    });
    MenuItem(*form.PopBT_Link, QStringLiteral("&Remote Sites"))->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Text(), QStringLiteral("<A HREF=\"mailto:info@example.org\">mail us</A>"));
}

TEST_F(Links, LocalFilesAreRelativeToTheDocumentOpenNow)
{
    QDir(folder.path()).mkpath(QStringLiteral("site/pics"));
    const QString page = Path(QStringLiteral("site/index.htm"));
    QFile file(page);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write("<HTML>\r\n</HTML>\r\n");
    file.close();

    TFM_MainForm& form = Start();
    prompts.files.push_back(Path(QStringLiteral("site/pics/Album.html")));
    MenuItem(*form.PopBT_Link, QStringLiteral("&File on Local Drive"))->trigger();
    EXPECT_EQ(form.HTML_WINDOW->SelText(), QString());
    EXPECT_TRUE(form.HTML_WINDOW->Text().contains(
        QStringLiteral("<A HREF=\"file://") + Path(QStringLiteral("site/pics/Album.html")) + QStringLiteral("\"></A>")));

    prompts.answers.push_back(Answer::No);  // the link made above is not saved
    form.Document().LoadHtmlFile(page);
    form.HTML_WINDOW->SetSelection(0);
    prompts.files.push_back(Path(QStringLiteral("site/pics/Album.html")));
    MenuItem(*form.PopBT_Link, QStringLiteral("&File on Local Drive"))->trigger();
    EXPECT_EQ(form.HTML_WINDOW->Line(0), QStringLiteral("<A HREF=\"pics/Album.html\"></A><HTML>"));
}

}  // namespace
