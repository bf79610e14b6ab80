#include "restartchild.h"

#include "mainwindowfixture.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QTextStream>

int RunRestartChild(const QString& phase, const QString& folder)
{
    ScriptedPrompts prompts;
    RecordingStarter starter;
    PlatformServices services;
    services.prompts = &prompts;
    services.starter = &starter;
    services.programFolder = folder;
    services.programFile = folder + QStringLiteral("/kivopro32");
    ModalCloser closer;
    TFM_MainForm form(services, {});
    form.show();

    QTextStream out(stdout);
    if (phase == QStringLiteral("change")) {
        form.move(70, 80);
        form.resize(500, 350);
        form.MNU_WordWrap->trigger();
        QFont font(QStringLiteral("Liberation Serif"));
        font.setPointSize(15);
        font.setItalic(true);
        prompts.fonts = {font};
        form.MNU_EditorFont->trigger();
        form.MNU_AutoSave->trigger();
        form.MNU_SaveSetting->trigger();
        out << "closed=" << (form.close() ? "yes" : "no") << '\n';
    } else {
        const QFont font = form.HTML_WINDOW->font();
        out << "pos=" << form.pos().x() << ',' << form.pos().y() << '\n'
            << "size=" << form.width() << 'x' << form.height() << '\n'
            << "wordWrap=" << (form.MNU_WordWrap->isChecked() ? "yes" : "no") << '\n'
            << "autoSave=" << (form.MNU_AutoSave->isChecked() ? "yes" : "no") << '\n'
            << "font=" << font.family() << ',' << font.pointSize() << (font.italic() ? ",italic" : "") << '\n';
    }
    out << "messages=" << prompts.Messages().join(QLatin1Char('|')) << '\n';
    return 0;
}
