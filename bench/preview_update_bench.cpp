// Switching to the preview: from the editor's text to the painted viewer.
#include "benchpages.h"
#include "benchwindow.h"
#include "platform/editcontrol.h"
#include "platform/textcodec.h"
#include "viewer/htmlviewer.h"

#include <benchmark/benchmark.h>

namespace {

void BM_UpdatePreview(benchmark::State& state, const std::string& page)
{
    const QByteArray& bytes = BenchPage(page);
    if (bytes.isEmpty()) {
        state.SkipWithError("the page generator could not be run");
        return;
    }
    BenchWindow window;
    TFM_MainForm& form = window.form();
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
