#include "recoverychild.h"

#include "app/recoverycopy.h"
#include "app/recoverykeeper.h"
#include "mainwindowfixture.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QDeadlineTimer>
#include <QFile>
#include <QTest>
#include <QTextStream>

namespace {

void TypeText(QWidget& editor, const QString& text)
{
    QTest::keyClick(&editor, Qt::Key_Home, Qt::ControlModifier);
    for (const QChar ch : text) {
        if (ch == QLatin1Char('\n')) {
            QTest::keyClick(&editor, Qt::Key_Return);
            continue;
        }
        // As a keyboard sends it; QTest's own typing passes Latin-1 only.
        QTest::sendKeyEvent(QTest::Click, &editor, Qt::Key(ch.toUpper().unicode()), QString(ch), Qt::NoModifier);
    }
}

bool CopyHolds(const QString& path, const QString& text)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) && DecodeRecoveryCopy(file.readAll()).copy.text == text;
}

}  // namespace

int RunRecoveryChild(const QStringList& arguments)
{
    ScriptedPrompts prompts;
    RecordingStarter starter;
    PlatformServices services;
    services.prompts = &prompts;
    services.starter = &starter;
    services.programFolder = arguments.value(1);
    services.programFile = services.programFolder + QStringLiteral("/kivopro32");
    const bool typing = arguments.value(0) == QLatin1String("type");
    if (!typing) {
        prompts.files = {arguments.value(2)};
        for (const QString& choice : arguments.mid(3)) {
            prompts.choices.push_back(choice.toInt());
            prompts.answers.push_back(Answer::Yes);
        }
    }
    ModalCloser closer;
    TFM_MainForm form(services, {});
    form.show();
    QTest::qWait(50);  // the first activation, which offers the copies
    QTextStream out(stdout);

    if (typing) {
        if (arguments.value(2) != QLatin1String("-"))
            form.Document().LoadHtmlFile(arguments.value(2));
        QFile typed(arguments.value(3));
        typed.open(QIODevice::ReadOnly);
        TypeText(*form.HTML_WINDOW, QString::fromUtf8(typed.readAll()));
        const QString text = form.HTML_WINDOW->Text();
        QDeadlineTimer deadline(60000);
        while (!CopyHolds(form.Recovery().CopyPath(), text) && !deadline.hasExpired())
            QTest::qWait(50);
        out << "written" << Qt::endl;
        QTest::qWait(120000);  // until killed
        return 1;
    }

    out << "asked=" << prompts.Messages().join(QLatin1Char('|')).replace(QLatin1Char('\n'), QLatin1Char(' ')) << '\n'
        << "name=" << form.Document().DocumentFileName() << '\n'
        << "modified=" << form.Document().DocumentModified() << '\n';
    if (form.Document().DocumentModified())
        form.Save1->trigger();
    out << "saved=" << !form.Document().DocumentModified() << '\n'
        << "closed=" << form.close() << '\n';
    return 0;
}
