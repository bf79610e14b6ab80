#include "restartchild.h"

#include "mainwindowfixture.h"
#include "platform/editcontrol.h"

#include <QAction>
#include <QProcessEnvironment>
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

std::unique_ptr<QProcess> StartChild(const QStringList& arguments)
{
    auto child = std::make_unique<QProcess>();
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    child->setProcessEnvironment(env);
    child->start(QCoreApplication::applicationFilePath(), arguments);
    return child;
}

std::map<QString, QString> ChildReport(QProcess& child)
{
    std::map<QString, QString> report;
    if (!child.waitForFinished(120000)) {
        ADD_FAILURE() << child.arguments().join(QLatin1Char(' ')).toStdString() << " did not finish";
        return report;
    }
    EXPECT_EQ(child.exitCode(), 0) << child.readAllStandardError().toStdString();
    for (const QString& line : QString::fromUtf8(child.readAllStandardOutput()).split(QLatin1Char('\n'))) {
        const qsizetype equals = line.indexOf(QLatin1Char('='));
        if (equals > 0)
            report[line.left(equals)] = line.mid(equals + 1);
    }
    return report;
}
