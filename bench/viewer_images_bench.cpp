// Pictures in the preview: a page of 500 IMG tags naming 20 pictures loaded
// cold and reloaded with the cache warm, and a 4000 x 3000 photograph shown
// at 400 x 300 repainted while scrolling, against scaling it at every paint.
#include "viewer/headlesshost.h"
#include "viewer/htmldocument.h"
#include "viewer/imagecache.h"
#include "viewer/imageloader.h"

#include <QDir>
#include <QFile>
#include <QLinearGradient>
#include <QPainter>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

namespace {

constexpr int kViewWidth = 800;
constexpr int kViewHeight = 600;

struct PictureFolder {
    QTemporaryDir dir;
    QString manyImagesPage;
    QString photoPage;

    PictureFolder()
    {
        QString html;
        for (int i = 0; i < 20; ++i) {
            QImage picture(64, 64, QImage::Format_RGB32);
            picture.fill(QColor::fromHsv(i * 18, 200, 220));
            picture.save(dir.filePath(QStringLiteral("p%1.png").arg(i)));
        }
        for (int i = 0; i < 500; ++i)
            html += QStringLiteral("<IMG SRC=\"p%1.png\"> word ").arg(i % 20);
        manyImagesPage = Write("many.html", html);

        QImage photo(4000, 3000, QImage::Format_RGB32);
        {
            QPainter painter(&photo);
            QLinearGradient gradient(0, 0, 4000, 3000);
            gradient.setColorAt(0, Qt::darkBlue);
            gradient.setColorAt(1, Qt::yellow);
            painter.fillRect(photo.rect(), gradient);
        }
        photo.save(dir.filePath("photo.jpg"), "jpg", 85);
        QString text;
        for (int i = 0; i < 60; ++i)
            text += QStringLiteral("<P>A paragraph of text around the photograph, line %1.").arg(i);
        photoPage = Write("photo.html", text + "<P><IMG SRC=\"photo.jpg\" WIDTH=400 HEIGHT=300>" + text);
    }
    QString Write(const QString& name, const QString& html)
    {
        QFile file(dir.filePath(name));
        if (file.open(QIODevice::WriteOnly))
            file.write(html.toUtf8());
        return dir.filePath(name);
    }
};

PictureFolder& Folder()
{
    static PictureFolder folder;
    return folder;
}

void LoadAndLayout(HtmlDocument& document, const QString& page)
{
    document.LoadFile(page);
    document.Render(kViewWidth);
}

void BM_ManyImagesFirstLoad(benchmark::State& state)
{
    const QString page = Folder().manyImagesPage;
    int decodes = 0;
    for (auto _ : state) {
        HtmlDocument document;
        HeadlessHost host(document, page);
        document.SetHost(&host);
        LoadAndLayout(document, page);
        decodes = document.Doc.BitmapList->DecodeCount();
    }
    state.counters["decodes"] = decodes;
}
BENCHMARK(BM_ManyImagesFirstLoad)->Unit(benchmark::kMillisecond);

void BM_ManyImagesReload(benchmark::State& state)
{
    const QString page = Folder().manyImagesPage;
    HtmlDocument document;
    HeadlessHost host(document, page);
    document.SetHost(&host);
    LoadAndLayout(document, page);
    const int before = document.Doc.BitmapList->DecodeCount();
    for (auto _ : state)
        LoadAndLayout(document, page);
    state.counters["decodes_first"] = before;
    state.counters["decodes_per_reload"] =
        double(document.Doc.BitmapList->DecodeCount() - before) / double(std::max<int64_t>(1, state.iterations()));
}
BENCHMARK(BM_ManyImagesReload)->Unit(benchmark::kMillisecond);

void BM_DecodePhotograph(benchmark::State& state)
{
    const QString path = Folder().dir.filePath("photo.jpg");
    for (auto _ : state)
        benchmark::DoNotOptimize(LoadImageFile(path).width());
}
BENCHMARK(BM_DecodePhotograph)->Unit(benchmark::kMillisecond);

// The widget's paint: the view's rectangle drawn off screen at a scroll position.
void PaintView(HtmlDocument& document, QImage& view, int scrollY)
{
    QPainter painter(&view);
    document.Paint(painter, view.rect(), 0, scrollY);
}

void BM_PhotographScrollRepaint(benchmark::State& state)
{
    const QString page = Folder().photoPage;
    HtmlDocument document;
    HeadlessHost host(document, page);
    document.SetHost(&host);
    LoadAndLayout(document, page);
    QImage view(kViewWidth, kViewHeight, QImage::Format_RGB32);
    const int middle = std::max(0, document.Height / 2 - kViewHeight / 2);
    int step = 0;
    for (auto _ : state) {
        PaintView(document, view, middle + (step++ % 20) * 16 - 160);
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_PhotographScrollRepaint)->Unit(benchmark::kMillisecond);

// What every paint cost if the full picture were scaled each time: sampled
// (argument 0) or smoothed as the kept copy is (argument 1).
void BM_PhotographScaledAtEveryPaint(benchmark::State& state)
{
    const QImage photo = LoadImageFile(Folder().dir.filePath("photo.jpg"));
    QImage view(kViewWidth, kViewHeight, QImage::Format_RGB32);
    for (auto _ : state) {
        QPainter painter(&view);
        painter.setRenderHint(QPainter::SmoothPixmapTransform, state.range(0) != 0);
        painter.fillRect(view.rect(), Qt::white);
        painter.drawImage(QRect(10, 150, 400, 300), photo);
        painter.end();
        benchmark::DoNotOptimize(view.constBits());
    }
}
BENCHMARK(BM_PhotographScaledAtEveryPaint)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

} // namespace
