#include "mainwindowfixture.h"
#include "platform/editcontrol.h"
#include "support/pdfpages.h"
#include "viewer/htmlviewer.h"

#include <QFileInfo>
#include <QTabBar>
#include <QToolButton>

namespace {

class PrintButton : public MainWindowTest {
protected:
    TFM_MainForm& ShowPreview(const QString& html)
    {
        TFM_MainForm& form = Start();
        form.HTML_WINDOW->SetText(html);
        form.TabSet1->setCurrentIndex(1);
        return form;
    }
};

} // namespace

TEST_F(PrintButton, PrintsThePreviewThroughThePrintDialog)
{
    QString html;
    // Enough lines for three sheets whatever the viewer's font.
    for (int i = 1; i <= 300; ++i)
        html += QStringLiteral("Line%1<BR>").arg(i);
    TFM_MainForm& form = ShowPreview(html);
    ASSERT_TRUE(form.BT_PrintHTML->isEnabled());
    EXPECT_EQ(form.BT_PrintHTML->text(), QStringLiteral("Print"));

    const QString all = Path(QStringLiteral("all.pdf"));
    prompts.printers = {ScriptedPrompts::PrintAnswer{all}};
    form.BT_PrintHTML->click();
    ASSERT_EQ(prompts.printDialogs.size(), 1u);
    EXPECT_TRUE(prompts.printDialogs[0].pageRangeAllowed);
    EXPECT_FALSE(prompts.printDialogs[0].selectionAllowed);
    const QStringList pages = PdfPages::Texts(all);
    ASSERT_GE(pages.size(), 3);
    EXPECT_TRUE(pages[0].contains(QLatin1String("Line1\n")));
    EXPECT_TRUE(pages.last().contains(QLatin1String("Line300")));

    // Pages chosen in the dialog; then Cancel prints nothing.
    const QString second = Path(QStringLiteral("second.pdf"));
    prompts.printers = {ScriptedPrompts::PrintAnswer{second, PrintRangeChoice::PageRange, 2, 2}, std::nullopt};
    form.BT_PrintHTML->click();
    EXPECT_EQ(PdfPages::Texts(second), QStringList{pages[1]});
    QFile::remove(second);
    form.BT_PrintHTML->click();
    EXPECT_FALSE(QFileInfo::exists(second));
    EXPECT_TRUE(prompts.AllAnswered());
    EXPECT_TRUE(prompts.Messages().isEmpty());
}

TEST_F(PrintButton, APrinterThatCannotBeOpenedIsReported)
{
    TFM_MainForm& form = ShowPreview(QStringLiteral("<P>Hello</P>"));
    prompts.printers = {ScriptedPrompts::PrintAnswer{Path(QStringLiteral("missing/folder/out.pdf"))}};
    form.BT_PrintHTML->click();
    EXPECT_EQ(prompts.Messages(), QStringList{QStringLiteral("Printer selected is not valid")});
}
