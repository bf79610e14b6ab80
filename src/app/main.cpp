#include "app/aboutbox.h"
#include "app/mainform.h"
#include "app/services.h"
#include "app/startoptions.h"
#include "platform/commandwrapper.h"
#include "platform/ddeclient.h"
#include "platform/programstart.h"
#include "platform/qtprompts.h"
#include "platform/strayaltkeys.h"

#include <QFileInfo>
#include <memory>

int main(int argc, char* argv[])
{
    AnswerHelpAndVersion(argc, argv);
    KivoApplication app(argc, argv);
    const StartOptions options = ReadStartOptions();
    // A mistyped menu shortcut must not type into whatever field has the keyboard.
    StrayAltKeyFilter strayAltKeys;
    app.installEventFilter(&strayAltKeys);
    auto about = std::make_unique<TFM_Splash>();
    // The application's name, not a display name: Qt would append a display
    // name to every window's caption ("About - KivoPro32").
    QApplication::setApplicationName(QStringLiteral("KivoPro32"));

    QtPrompts prompts;
    ProcessProgramStarter starter;
    UnavailableDdeClient dde;
    app.SetPrompts(&prompts);

    PlatformServices services;
    services.prompts = &prompts;
    services.starter = &starter;
    services.dde = &dde;
    services.programFile = QCoreApplication::applicationFilePath();
    services.programFolder = QCoreApplication::applicationDirPath();

    if (options.afterStart == AfterStart::Close)
        CloseWhenStarted();
    TFM_MainForm mainForm(services, options.arguments);
    prompts.SetParent(&mainForm);
    about.reset();
    mainForm.show();
    return app.exec();
}
