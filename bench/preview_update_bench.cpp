// Switching to the preview: from the editor's text to the painted viewer.
#include "app/mainform.h"
#include "benchpages.h"
#include "platform/editcontrol.h"
#include "platform/programstart.h"
#include "platform/prompts.h"
#include "platform/textcodec.h"
#include "viewer/htmlviewer.h"

#include <QApplication>
#include <QDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <benchmark/benchmark.h>

namespace {

// Nobody answers during a benchmark: every question is declined.
class DecliningPrompts : public Prompts {
public:
    Answer Message(const QString&, MessageKind, MessageButtons buttons, const QString&) override
    {
        return buttons == MessageButtons::Ok ? Answer::Ok : Answer::Cancel;
    }
    std::optional<QString> AskValue(const QString&, const QString&, const QString&) override { return {}; }
    std::optional<QString> OpenFileName(const FileDialogOptions&) override { return {}; }
    std::optional<QString> SaveFileName(const FileDialogOptions&) override { return {}; }
    std::optional<QFont> ChooseFont(const QFont&) override { return {}; }
    std::optional<QColor> ChooseColor(const QColor&) override { return {}; }
    std::optional<PrintRangeChoice> ChoosePrinter(QPrinter&, const PrintDialogOptions&) override { return {}; }
};

class IdleStarter : public ProgramStarter {
public:
    int WinExec(const QString&, const QStringList&) override { return ExecResult::Started; }
};

void BM_UpdatePreview(benchmark::State& state, const std::string& page)
{
    const QByteArray& bytes = BenchPage(page);
    if (bytes.isEmpty()) {
        state.SkipWithError("the page generator could not be run");
        return;
    }
    QTemporaryDir folder;
    DecliningPrompts prompts;
    IdleStarter starter;
    PlatformServices services;
    services.prompts = &prompts;
    services.starter = &starter;
    services.programFolder = folder.path();
    services.programFile = folder.filePath(QStringLiteral("kivopro32"));

    // The About box shows while the window is made; close it at once.
    QTimer closer;
    QObject::connect(&closer, &QTimer::timeout, [] {
        if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            dialog->accept();
    });
    closer.start(1);
    TFM_MainForm form(services, {});
    closer.stop();
    form.resize(1024, 768);
    form.show();
    form.HTML_WINDOW->SetText(DecodeText(bytes).text);
    form.TabSet1Change(1);

    for (auto _ : state) {
        form.HTML_WINDOW->SetModified(true);
        form.UpdatePreview(TFM_MainForm::PreviewSender::Tab);
        form.ViewPage->repaint();
    }
    state.SetBytesProcessed(state.iterations() * bytes.size());
    form.HTML_WINDOW->SetModified(false);
    form.Document().SetPreviewStale(false);
}

BENCHMARK_CAPTURE(BM_UpdatePreview, p64k, std::string("p64k"))->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_UpdatePreview, p1m, std::string("p1m"))->Unit(benchmark::kMillisecond)->Iterations(5);

}  // namespace
