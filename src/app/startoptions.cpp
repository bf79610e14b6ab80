#include "app/startoptions.h"

#include <QApplication>
#include <QCommandLineParser>
#include <QMainWindow>
#include <QTimer>

#include <cstring>

#ifndef KIVO_VERSION
#define KIVO_VERSION ""
#endif

namespace {

const QString kCloseOption = QStringLiteral("quit-after-start");

void Describe(QCommandLineParser& cli)
{
    QCoreApplication::setApplicationVersion(QStringLiteral(KIVO_VERSION));
    cli.setApplicationDescription(QStringLiteral(
        "KivoPro32 HTML Editor: edit the HTML source of a page and see it rendered.\n"
        "Settings are kept beside the program when its folder can be written,\n"
        "otherwise in $XDG_CONFIG_HOME/kivopro32 (KIVO.INI, usertags.lst, NORMAL.TXT)."));
    cli.addHelpOption();
    cli.addVersionOption();
    cli.addPositionalArgument(QStringLiteral("file"), QStringLiteral("The HTML file to open and show rendered."),
                              QStringLiteral("[file]"));
    QCommandLineOption close(kCloseOption);
    close.setFlags(QCommandLineOption::HiddenFromHelp);
    cli.addOption(close);
}

bool AsksForHelpOrVersion(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i)
        for (const char* option : {"-h", "-?", "--help", "--help-all", "-v", "--version"})
            if (std::strcmp(argv[i], option) == 0)
                return true;
    return false;
}

}  // namespace

void AnswerHelpAndVersion(int argc, char** argv)
{
    if (!AsksForHelpOrVersion(argc, argv))
        return;
    QCoreApplication app(argc, argv);
    QCommandLineParser cli;
    Describe(cli);
    // Options of the window system (-platform, -style) are not ours and
    // are no reason to refuse the question.
    cli.parse(QCoreApplication::arguments());
    if (cli.isSet(QStringLiteral("version")))
        cli.showVersion();
    cli.showHelp();
}

StartOptions ReadStartOptions()
{
    QGuiApplication::setDesktopFileName(QString::fromLatin1(kDesktopFileName));
    QCommandLineParser cli;
    Describe(cli);
    cli.process(QCoreApplication::arguments());

    StartOptions options;
    options.arguments = cli.positionalArguments().mid(0, 1);
    if (cli.isSet(kCloseOption))
        options.afterStart = AfterStart::Close;
    return options;
}

void CloseWhenStarted()
{
    auto* timer = new QTimer(qApp);
    QObject::connect(timer, &QTimer::timeout, [] {
        if (QWidget* modal = QApplication::activeModalWidget()) {
            modal->close();
            return;
        }
        for (QWidget* window : QApplication::topLevelWidgets())
            if (window->isVisible() && qobject_cast<QMainWindow*>(window))
                window->close();
    });
    timer->start(200);
}
