// A page of 1,000 form controls of every kind in a shown viewer: loading it
// (parse, one widget per control, layout, the first paint) and scrolling it
// (the widgets move, the panel repaints), beside the same page with the
// controls left out.
#include "viewer/htmlviewer.h"
#include "viewer/paintpanel.h"

#include <QCoreApplication>
#include <benchmark/benchmark.h>

namespace {

constexpr int kControls = 1000;

// Paragraphs of text, each with one control of the next kind in turn, nine
// to a form; without controls the paragraphs keep only their text.
QByteArray FormsPage(bool withControls)
{
    static const char* const kinds[] = {
        "<INPUT NAME=t%1 VALUE=\"text %1\">",
        "<INPUT TYPE=password NAME=p%1 SIZE=10>",
        "<INPUT TYPE=checkbox NAME=c%1 CHECKED>",
        "<INPUT TYPE=radio NAME=r VALUE=%1>",
        "<SELECT NAME=s%1><OPTION>first<OPTION SELECTED>second<OPTION>third</SELECT>",
        "<SELECT NAME=m%1 MULTIPLE SIZE=3><OPTION>red<OPTION>green<OPTION>blue<OPTION>grey</SELECT>",
        "<TEXTAREA NAME=a%1 ROWS=3 COLS=24>line one\nline two</TEXTAREA>",
        "<INPUT TYPE=submit NAME=go%1 VALUE=\"Send %1\">",
        "<INPUT TYPE=reset>",
    };
    constexpr int kindCount = int(std::size(kinds));
    QString html = QStringLiteral("<HTML><BODY><H1>Order form</H1>\n");
    for (int i = 0; i < kControls; ++i) {
        if (i % kindCount == 0)
            html += QStringLiteral("<FORM ACTION=\"order.cgi\" METHOD=post>\n");
        html += QStringLiteral("<P>Item %1, please fill in: ").arg(i);
        if (withControls)
            html += QString::fromLatin1(kinds[i % kindCount]).replace(QLatin1String("%1"), QString::number(i));
        html += QStringLiteral(" and a few words after it.\n");
        if (i % kindCount == kindCount - 1 || i == kControls - 1)
            html += QStringLiteral("</FORM>\n");
    }
    html += QStringLiteral("</BODY></HTML>\n");
    return html.toUtf8();
}

struct ShownViewer {
    ShownViewer()
    {
        viewer.resize(800, 600);
        viewer.show();
        QCoreApplication::processEvents();
    }
    THTMLViewer viewer;
};

void LoadLayoutPaint(benchmark::State& state, bool withControls)
{
    const QByteArray page = FormsPage(withControls);
    ShownViewer shown;
    for (auto _ : state) {
        shown.viewer.LoadBuffer(page);
        shown.viewer.PaintPanelWidget()->repaint();
        // What the new widgets leave to the event loop (their polish) counts too.
        QCoreApplication::processEvents();
    }
    state.counters["controls"] = withControls ? kControls : 0;
    state.counters["height_px"] = shown.viewer.DocumentHeight();
}

void ScrollRepaint(benchmark::State& state, bool withControls)
{
    ShownViewer shown;
    shown.viewer.LoadBuffer(FormsPage(withControls));
    shown.viewer.PaintPanelWidget()->repaint();
    const int bottom = shown.viewer.DocumentHeight() - shown.viewer.PaintPanelWidget()->height();
    int y = 0;
    for (auto _ : state) {
        // One wheel notch: three lines.
        y = y + 3 * THTMLViewer::SmallVChange > bottom ? 0 : y + 3 * THTMLViewer::SmallVChange;
        shown.viewer.ScrollToY(y);
        shown.viewer.PaintPanelWidget()->repaint();
    }
}

} // namespace

BENCHMARK_CAPTURE(LoadLayoutPaint, controls_1000, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(LoadLayoutPaint, no_controls, false)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScrollRepaint, controls_1000, true)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(ScrollRepaint, no_controls, false)->Unit(benchmark::kMillisecond);
