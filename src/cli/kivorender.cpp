// kivorender: the viewer without a window. Renders a page to PNG, prints it
// to a PDF, dumps the parsed document or its layout as text, or checks pages.
#include "cli/checkcommand.h"
#include "viewer/documentdump.h"
#include "viewer/headlesshost.h"
#include "viewer/htmldocument.h"
#include "viewer/qtcanvas.h"
#include "viewer/viewerprint.h"

#include <QCommandLineParser>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPageLayout>
#include <QPrinter>
#include <cstdio>
#include <optional>

namespace {

int Fail(const QString& message)
{
    std::fprintf(stderr, "kivorender: %s\n", qPrintable(message));
    return 1;
}

void Print(const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), stdout);
}

std::optional<QPageSize> PaperNamed(const QString& name)
{
    const QString key = name.toLower();
    if (key == QLatin1String("a4")) return QPageSize(QPageSize::A4);
    if (key == QLatin1String("a5")) return QPageSize(QPageSize::A5);
    if (key == QLatin1String("a3")) return QPageSize(QPageSize::A3);
    if (key == QLatin1String("letter")) return QPageSize(QPageSize::Letter);
    if (key == QLatin1String("legal")) return QPageSize(QPageSize::Legal);
    return std::nullopt;
}

} // namespace

int main(int argc, char* argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QGuiApplication::setApplicationName(QStringLiteral("kivorender"));
    QGuiApplication::setApplicationVersion(QStringLiteral(KIVO_VERSION));

    QCommandLineParser cli;
    cli.setApplicationDescription(QStringLiteral(
        "Renders an HTML page with the KivoPro32 viewer, without a window.\n"
        "The width is that of the viewer window: text is laid out 20 pixels narrower."));
    cli.addHelpOption();
    cli.addVersionOption();
    const QCommandLineOption dumpModel(QStringLiteral("dump-model"), QStringLiteral("Print the parsed document."),
                                       QStringLiteral("FILE"));
    const QCommandLineOption dumpLayout(QStringLiteral("dump-layout"), QStringLiteral("Print the laid-out document."),
                                        QStringLiteral("FILE"));
    const QCommandLineOption withSource(QStringLiteral("with-source"),
                                        QStringLiteral("With --dump-layout: each line's range of source offsets "
                                                       "(code units of the file's text, from 0)."));
    const QCommandLineOption render(QStringLiteral("render"), QStringLiteral("Paint the document to a PNG."),
                                    QStringLiteral("FILE"));
    const QCommandLineOption print(QStringLiteral("print"),
                                   QStringLiteral("Print the document to a PDF as on paper (A4 unless --paper)."),
                                   QStringLiteral("FILE"));
    const QCommandLineOption paper(QStringLiteral("paper"), QStringLiteral("Paper for --print: A4, A5, A3, Letter or Legal."),
                                   QStringLiteral("NAME"), QStringLiteral("A4"));
    const QCommandLineOption landscape(QStringLiteral("landscape"), QStringLiteral("Print across the paper."));
    const QCommandLineOption width(QStringLiteral("width"), QStringLiteral("Window width in pixels (default 640)."),
                                   QStringLiteral("N"), QStringLiteral("640"));
    const QCommandLineOption height(QStringLiteral("height"),
                                    QStringLiteral("Most pixels of the page to draw (default 32000)."),
                                    QStringLiteral("N"), QStringLiteral("32000"));
    const QCommandLineOption out(QStringLiteral("out"), QStringLiteral("PNG or PDF file to write."), QStringLiteral("FILE"));
    cli.addOptions({dumpModel, dumpLayout, withSource, render, print, paper, landscape, width, height, out});
    const QCommandLineOption check(QStringLiteral("check"),
                                   QStringLiteral("Check the pages named after the options for mistakes."));
    cli.addOption(check);
    cli.process(app);
    if (cli.isSet(check))
        return RunCheckCommand(cli.positionalArguments());

    bool ok = false;
    const int windowWidth = cli.value(width).toInt(&ok);
    if (!ok || windowWidth < 1 || windowWidth > 100000)
        return Fail(QStringLiteral("the width must be a number of pixels"));
    const int maxHeight = cli.value(height).toInt(&ok);
    if (!ok || maxHeight < 1 || maxHeight > 1000000)
        return Fail(QStringLiteral("the height must be a number of pixels"));

    QString input;
    for (const auto* option : {&dumpModel, &dumpLayout, &render, &print})
        if (cli.isSet(*option))
            input = cli.value(*option);
    if (input.isEmpty()) {
        cli.showHelp(2);
    }
    if (!QFileInfo(input).isFile())
        return Fail(QStringLiteral("Can't locate file: %1").arg(input));

    HtmlDocument document;
    // Messages the viewer shows in a box go to standard error here.
    HeadlessHost host(document, input);
    document.SetHost(&host);
    document.Doc.Background = SysColors::White();
    try {
        document.LoadFile(input);
    } catch (const std::exception& error) {
        return Fail(QString::fromLocal8Bit(error.what()));
    }
    if (!document.ParseError.isEmpty())
        std::fprintf(stderr, "%s\n", qPrintable(document.ParseError));

    if (cli.isSet(dumpModel)) {
        Print(DumpModel(document.Doc, document.Names, document.Title, document.Base, document.BaseTarget));
    } else if (cli.isSet(dumpLayout)) {
        QtCanvas canvas;
        document.Layout(canvas, windowWidth);
        Print(QStringLiteral("width %1 height %2 widest %3\n").arg(windowWidth).arg(document.Height).arg(document.ScrollWidth));
        Print(DumpLayout(document.Doc, cli.isSet(withSource) ? DumpSource::Yes : DumpSource::No));
    } else if (cli.isSet(print)) {
        if (!cli.isSet(out))
            return Fail(QStringLiteral("--print needs --out FILE.pdf"));
        const std::optional<QPageSize> size = PaperNamed(cli.value(paper));
        if (!size)
            return Fail(QStringLiteral("unknown paper %1").arg(cli.value(paper)));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(cli.value(out));
        printer.setPageSize(*size);
        printer.setPageOrientation(cli.isSet(landscape) ? QPageLayout::Landscape : QPageLayout::Portrait);
        try {
            const int pages = PrintPages(document.Doc, printer, 1, 9999);
            Print(QStringLiteral("pages %1\n").arg(pages));
        } catch (const std::exception& error) {
            return Fail(QString::fromLocal8Bit(error.what()));
        }
    } else {
        if (!cli.isSet(out))
            return Fail(QStringLiteral("--render needs --out FILE.png"));
        const QImage image = document.Render(windowWidth, maxHeight);
        const int pageHeight = document.Height + HtmlDocument::Margin;
        if (pageHeight > image.height())
            std::fprintf(stderr, "kivorender: the page is %d pixels tall; drew the first %d (--height N draws more)\n",
                         pageHeight, image.height());
        if (!image.save(cli.value(out), "PNG"))
            return Fail(QStringLiteral("Cannot create file %1").arg(cli.value(out)));
    }
    return 0;
}
