#include "benchwindow.h"

#include "platform/programstart.h"
#include "platform/prompts.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>

namespace {

class IdleStarter : public ProgramStarter {
public:
    int WinExec(const QString&, const QStringList&) override { return ExecResult::Started; }
};

}  // namespace

BenchWindow::BenchWindow()
    : prompts_(std::make_unique<DecliningPrompts>()), starter_(std::make_unique<IdleStarter>())
{
    services_.prompts = prompts_.get();
    services_.starter = starter_.get();
    services_.programFolder = folder_.path();
    services_.programFile = folder_.filePath(QStringLiteral("kivopro32"));

    // The About box shows while the window is made; close it at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    closer.start(1);
    form_ = std::make_unique<TFM_MainForm>(services_, QStringList());
    closer.stop();
    form_->resize(1024, 768);
    form_->show();
}

BenchWindow::~BenchWindow() = default;
