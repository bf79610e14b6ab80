// Form controls of a shown page, driven through their real widgets.
#include "htmlviewer_testfixture.h"
#include "viewer/formcontrols.h"
#include "viewer/submitform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>

namespace {

struct Submission {
    QString action, method;
    QStringList results;
};

class FormWidgetsTest : public ViewerTest {
protected:
    void SetUp() override
    {
        ViewerTest::SetUp();
        QObject::connect(&viewer, &THTMLViewer::OnFormSubmit, &viewer,
                         [this](const QString& action, const QString& method, const QStringList& results) {
                             submissions.push_back({action, method, results});
                         });
    }

    void Load(const QString& html)
    {
        viewer.LoadLines(html.split(QLatin1Char('\n')));
        QCoreApplication::processEvents();
    }

    // The n-th visible control of the page, counted over every form.
    TFormControlObj& Control(int n)
    {
        for (const auto& form : viewer.Document().htmlFormList)
            for (const auto& control : form->ControlList)
                if (control->Widget() && n-- == 0)
                    return *control;
        throw std::out_of_range("no such control");
    }
    template <typename W>
    W* WidgetOf(int n)
    {
        return qobject_cast<W*>(Control(n).Widget());
    }

    // Submissions arrive from the event queue.
    const std::vector<Submission>& Delivered()
    {
        QCoreApplication::processEvents();
        return submissions;
    }

    void Type(QWidget* widget, const QString& text)
    {
        widget->setFocus();
        const QStringList lines = text.split(QLatin1Char('\n'));
        for (qsizetype i = 0; i < lines.size(); ++i) {
            if (i > 0)
                QTest::keyClick(widget, Qt::Key_Return);
            QTest::keyClicks(widget, lines[i]);
        }
    }

    void ClickRow(QListWidget* list, int row, Qt::KeyboardModifiers modifiers = Qt::NoModifier)
    {
        const QRect rect = list->visualItemRect(list->item(row));
        QTest::mouseClick(list->viewport(), Qt::LeftButton, modifiers, rect.center());
    }

    std::vector<Submission> submissions;
};

TEST_F(FormWidgetsTest, EnterSubmitsAOneFieldFormOnly)
{
    Load("<FORM ACTION=\"find.cgi\" METHOD=post><INPUT NAME=q VALUE=a><INPUT TYPE=hidden NAME=h VALUE=1></FORM>"
         "<FORM><INPUT NAME=x><INPUT NAME=y></FORM>");
    auto* single = WidgetOf<QLineEdit>(0);
    ASSERT_TRUE(single);
    single->setFocus();
    QTest::keyClick(single, Qt::Key_End);
    QTest::keyClicks(single, "bc");
    QTest::keyClick(single, Qt::Key_Return);
    EXPECT_TRUE(submissions.empty()) << "delivered later, not inside the key handling";
    ASSERT_EQ(Delivered().size(), 1u);
    EXPECT_EQ(submissions[0].action, "find.cgi");
    EXPECT_EQ(submissions[0].method, "post");
    EXPECT_EQ(submissions[0].results, QStringList({"q=abc", "h=1"}));

    Type(WidgetOf<QLineEdit>(1), "one");
    QTest::keyClick(WidgetOf<QLineEdit>(1), Qt::Key_Return);
    EXPECT_EQ(Delivered().size(), 1u) << "two fields: Enter does nothing";
}

TEST_F(FormWidgetsTest, ButtonsBoxesAndListsSubmitWhatWasChosen)
{
    Load("<FORM ACTION=a.cgi>"
         "<INPUT TYPE=checkbox NAME=c>"
         "<SELECT NAME=m MULTIPLE><OPTION>red<OPTION VALUE=G>green<OPTION>blue</SELECT>"
         "<SELECT NAME=d><OPTION>one<OPTION VALUE=\"\">two<OPTION>three</SELECT>"
         "<TEXTAREA NAME=t></TEXTAREA>"
         "<INPUT TYPE=submit NAME=go VALUE=OK><INPUT TYPE=submit></FORM>");
    QTest::mouseClick(WidgetOf<QCheckBox>(0), Qt::LeftButton);

    auto* multiple = WidgetOf<QListWidget>(1);
    ASSERT_TRUE(multiple);
    EXPECT_EQ(multiple->selectionMode(), QAbstractItemView::ExtendedSelection);
    ClickRow(multiple, 2);
    ClickRow(multiple, 1, Qt::ControlModifier);

    auto* dropDown = WidgetOf<QComboBox>(2);
    ASSERT_TRUE(dropDown);
    EXPECT_FALSE(dropDown->isEditable());
    dropDown->setFocus();
    QTest::keyClick(dropDown, Qt::Key_Down);

    Type(WidgetOf<QPlainTextEdit>(3), "first\n\nthird");

    QTest::mouseClick(WidgetOf<QPushButton>(4), Qt::LeftButton);
    ASSERT_EQ(Delivered().size(), 1u);
    QTest::mouseClick(WidgetOf<QPushButton>(5), Qt::LeftButton);
    ASSERT_EQ(Delivered().size(), 2u);
    const QStringList chosen{"c=On", "m=G", "m=blue", "d=two", "t=first", "t=", "t=third"};
    EXPECT_EQ(submissions[0].results, chosen + QStringList{"go=OK"});
    EXPECT_EQ(submissions[1].results, chosen) << "an unnamed submit button adds nothing";

    QTest::mouseClick(WidgetOf<QCheckBox>(0), Qt::LeftButton);
    QTest::mouseClick(WidgetOf<QPushButton>(5), Qt::LeftButton);
    ASSERT_EQ(Delivered().size(), 3u);
    EXPECT_FALSE(submissions[2].results.contains("c=On"));
}

TEST_F(FormWidgetsTest, SelectSizeChoosesDropDownOrList)
{
    Load("<SELECT SIZE=1><OPTION>a<OPTION>b</SELECT><SELECT SIZE=2><OPTION>a<OPTION>b<OPTION>c</SELECT>");
    EXPECT_TRUE(WidgetOf<QComboBox>(0));
    auto* list = WidgetOf<QListWidget>(1);
    ASSERT_TRUE(list);
    EXPECT_EQ(list->selectionMode(), QAbstractItemView::SingleSelection);
    EXPECT_EQ(list->count(), 3);
}

TEST_F(FormWidgetsTest, AListBoxShowsItsRowsWholeAndItsLongestOptionUncut)
{
    Load("<SELECT SIZE=3><OPTION>First<OPTION>Second option<OPTION>Third<OPTION>Fourth<OPTION>Fifth</SELECT>");
    auto* list = WidgetOf<QListWidget>(0);
    ASSERT_TRUE(list);
    ASSERT_TRUE(QTest::qWaitFor([list] { return list->isVisible(); }));
    const QRect third = list->visualItemRect(list->item(2));
    EXPECT_GT(third.height(), 0);
    EXPECT_LE(third.bottom(), list->viewport()->rect().bottom());
    const QRect fourth = list->visualItemRect(list->item(3));
    EXPECT_GT(fourth.top(), list->viewport()->rect().bottom() - third.height() / 2);
    const int textWidth = QFontMetrics(list->font()).horizontalAdvance(QStringLiteral("Second option"));
    EXPECT_GE(list->viewport()->width(), textWidth);
}

TEST_F(FormWidgetsTest, RadioNamesGroupWithoutRegardToCaseWithinTheirForm)
{
    Load("<FORM><INPUT TYPE=radio NAME=A VALUE=1 CHECKED><INPUT TYPE=radio NAME=a VALUE=2>"
         "<INPUT TYPE=radio VALUE=3 CHECKED><INPUT TYPE=submit></FORM>"
         "<FORM><INPUT TYPE=radio NAME=a VALUE=4 CHECKED></FORM>");
    auto* first = WidgetOf<QRadioButton>(0);
    auto* second = WidgetOf<QRadioButton>(1);
    auto* unnamed = WidgetOf<QRadioButton>(2);
    auto* otherForm = WidgetOf<QRadioButton>(4);
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(second->isChecked());
    EXPECT_FALSE(first->isChecked());
    EXPECT_TRUE(unnamed->isChecked()) << "a button without a name is in no group";
    EXPECT_TRUE(otherForm->isChecked()) << "groups do not cross forms";
    QTest::mouseClick(second, Qt::LeftButton);
    EXPECT_TRUE(second->isChecked()) << "a second click keeps it on";

    QTest::mouseClick(WidgetOf<QPushButton>(3), Qt::LeftButton);
    ASSERT_EQ(Delivered().size(), 1u);
    EXPECT_EQ(submissions[0].results, QStringList({"a=2", "=3"}));
}

TEST_F(FormWidgetsTest, ResetRestoresEveryControl)
{
    Load("<FORM><INPUT NAME=e VALUE=start><INPUT TYPE=password NAME=p>"
         "<INPUT TYPE=checkbox NAME=c CHECKED><INPUT TYPE=radio NAME=r VALUE=1 CHECKED><INPUT TYPE=radio NAME=r VALUE=2>"
         "<SELECT NAME=l SIZE=3 MULTIPLE><OPTION SELECTED>x<OPTION>y<OPTION>z</SELECT>"
         "<SELECT NAME=d><OPTION>u<OPTION SELECTED>v</SELECT>"
         "<TEXTAREA NAME=t>line one\nline two</TEXTAREA>"
         "<INPUT TYPE=reset VALUE=Again><INPUT TYPE=submit></FORM>");
    auto submitNow = [&] {
        QTest::mouseClick(WidgetOf<QPushButton>(9), Qt::LeftButton);
        return Delivered().back().results;
    };
    const QStringList initial = submitNow();
    EXPECT_EQ(initial, QStringList({"e=start", "p=", "c=On", "r=1", "l=x", "d=v", "t=line one", "t=line two"}));

    Type(WidgetOf<QLineEdit>(0), "ed");
    Type(WidgetOf<QLineEdit>(1), "secret");
    QTest::mouseClick(WidgetOf<QCheckBox>(2), Qt::LeftButton);
    QTest::mouseClick(WidgetOf<QRadioButton>(4), Qt::LeftButton);
    ClickRow(WidgetOf<QListWidget>(5), 2, Qt::ControlModifier);
    WidgetOf<QComboBox>(6)->setCurrentIndex(0);
    Type(WidgetOf<QPlainTextEdit>(7), "more\n");
    ASSERT_NE(submitNow(), initial);

    EXPECT_EQ(WidgetOf<QPushButton>(8)->text(), "Again");
    QTest::mouseClick(WidgetOf<QPushButton>(8), Qt::LeftButton);
    EXPECT_EQ(submitNow(), initial);
    EXPECT_EQ(WidgetOf<QLineEdit>(0)->text(), "start");
    EXPECT_EQ(WidgetOf<QLineEdit>(1)->text(), "");
    EXPECT_TRUE(WidgetOf<QCheckBox>(2)->isChecked());
    EXPECT_TRUE(WidgetOf<QRadioButton>(3)->isChecked());
    EXPECT_FALSE(WidgetOf<QRadioButton>(4)->isChecked());
    EXPECT_EQ(WidgetOf<QListWidget>(5)->selectedItems().size(), 1);
    EXPECT_EQ(WidgetOf<QComboBox>(6)->currentText(), "v");
    EXPECT_EQ(WidgetOf<QPlainTextEdit>(7)->toPlainText(), "line one\nline two");
}

TEST_F(FormWidgetsTest, PasswordFieldShowsStars)
{
    Load("<INPUT TYPE=PASSWORD NAME=p>");
    auto* edit = WidgetOf<QLineEdit>(0);
    ASSERT_TRUE(edit);
    EXPECT_EQ(edit->echoMode(), QLineEdit::Password);
    EXPECT_EQ(edit->style()->styleHint(QStyle::SH_LineEdit_PasswordCharacter, nullptr, edit), int('*'));
}

TEST_F(FormWidgetsTest, AControlOutsideAnyFormSubmitsWithTheDefaults)
{
    Load("<P>Search <INPUT NAME=q VALUE=kivo>");
    QTest::keyClick(WidgetOf<QLineEdit>(0), Qt::Key_Return);
    ASSERT_EQ(Delivered().size(), 1u);
    EXPECT_EQ(submissions[0].action, "");
    EXPECT_EQ(submissions[0].method, "Get");
    EXPECT_EQ(submissions[0].results, QStringList({"q=kivo"}));
}

TEST_F(FormWidgetsTest, WidgetsAreMadeOncePerLoadAndFollowTheScroll)
{
    Load(LongPage(60, -1, "<INPUT NAME=top>") + "<INPUT NAME=bottom VALUE=end>");
    QWidget* top = WidgetOf<QLineEdit>(0);
    QWidget* bottom = WidgetOf<QLineEdit>(1);
    EXPECT_TRUE(top->isVisible());
    EXPECT_FALSE(bottom->isVisible()) << "out of view";
    EXPECT_EQ(top->parentWidget(), viewer.PaintPanelWidget());
    const QPoint placed = top->pos();

    viewer.ScrollToY(5);
    EXPECT_EQ(top->pos(), placed - QPoint(0, 5)) << "moved with the text before the paint";
    viewer.ScrollToY(viewer.DocumentHeight());
    EXPECT_FALSE(top->isVisible());
    EXPECT_TRUE(bottom->isVisible());
    EXPECT_TRUE(viewer.PaintPanelWidget()->rect().contains(bottom->geometry()));
    EXPECT_EQ(WidgetOf<QLineEdit>(0), top) << "scrolling makes no new widgets";
    EXPECT_EQ(WidgetOf<QLineEdit>(1), bottom);
}

TEST_F(FormWidgetsTest, TypedValuesSurviveARelayoutButNotAReload)
{
    const QString page = "<P>Name: <INPUT NAME=n VALUE=old> and more words to wrap the line at a narrow width";
    Load(page);
    auto* edit = WidgetOf<QLineEdit>(0);
    edit->selectAll();
    Type(edit, "typed");
    const QPoint before = edit->pos();
    viewer.resize(220, 300);
    QCoreApplication::processEvents();
    EXPECT_EQ(WidgetOf<QLineEdit>(0), edit);
    EXPECT_EQ(edit->text(), "typed");
    EXPECT_NE(edit->pos(), before) << "placed by the new layout";

    Load(page);
    EXPECT_EQ(WidgetOf<QLineEdit>(0)->text(), "old");
}

TEST_F(FormWidgetsTest, TabWalksTheControlsInDocumentOrderAndScrollsToThem)
{
    Focus();
    Load("<FORM><INPUT NAME=a><SELECT NAME=b><OPTION>x</SELECT></FORM><P>between<FORM><INPUT TYPE=checkbox NAME=c>"
         + LongPage(60) + "<TEXTAREA NAME=d></TEXTAREA></FORM>");
    viewer.setFocus();
    QTest::keyClick(&viewer, Qt::Key_Tab);
    EXPECT_TRUE(Control(0).Widget()->hasFocus());
    for (int n = 1; n < 4; ++n) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        EXPECT_TRUE(Control(n).Widget()->hasFocus()) << "control " << n;
    }
    EXPECT_GT(viewer.VScrollPos(), 0) << "scrolled down to the text area";
    EXPECT_TRUE(Control(3).Widget()->isVisible());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab);
    EXPECT_TRUE(Control(2).Widget()->hasFocus());
    EXPECT_TRUE(Control(2).Widget()->isVisible());
}

TEST_F(FormWidgetsTest, EnterInAFieldDoesNotPressTheDialogsDefaultButton)
{
    QDialog dialog;
    auto* sample = new THTMLViewer(&dialog);
    auto* ok = new QPushButton("OK", &dialog);
    ok->setDefault(true);
    QObject::connect(ok, &QPushButton::clicked, &dialog, &QDialog::accept);
    dialog.show();
    sample->LoadLines({"<INPUT NAME=q>"});
    QCoreApplication::processEvents();
    QWidget* field = sample->Document().htmlFormList.at(0)->ControlList.at(0)->Widget();
    field->setFocus();
    QTest::keyClick(field, Qt::Key_Return);
    EXPECT_TRUE(dialog.isVisible());
}

TEST(SubmitFormWindow, ShowsActionMethodAndEveryEntry)
{
    TSubmitForm window;
    window.ShowSubmission("http://example.com/cgi-bin/go", "Post", {"a=1", "=2", "t="});
    EXPECT_EQ(window.windowTitle(), "Submit Results");
    EXPECT_EQ(window.ActionText->text(), "http://example.com/cgi-bin/go");
    EXPECT_TRUE(window.ActionText->isReadOnly());
    EXPECT_EQ(window.MethodText->text(), "Post");
    EXPECT_TRUE(window.MethodText->isReadOnly());
    ASSERT_EQ(window.ResultBox->count(), 3);
    EXPECT_EQ(window.ResultBox->item(1)->text(), "=2");
    EXPECT_EQ(window.Button1->text(), "&Close");
    window.show();
    QTest::keyClick(&window, Qt::Key_Return);
    EXPECT_FALSE(window.isVisible()) << "Close is the default button";
}

} // namespace
