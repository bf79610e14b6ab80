#pragma once

#include "viewer/htmlviewer.h"
#include "viewer/paintpanel.h"
#include "viewer/qtcanvas.h"

#include <QFile>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <gtest/gtest.h>

// A shown viewer of 400 by 300 pixels and a folder for the pages it loads.
class ViewerTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        ASSERT_TRUE(dir.isValid());
        viewer.resize(400, 300);
        viewer.show();
    }

    QString Write(const QString& name, const QString& html)
    {
        const QString path = dir.filePath(name);
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(html.toUtf8());
        return path;
    }

    // Paragraphs "Line 0".."Line n-1", each its own section, with an anchor
    // named PART before paragraph `anchorAt`.
    static QString LongPage(int paragraphs, int anchorAt = -1, const QString& extra = QString())
    {
        QString html = QStringLiteral("<TITLE>Long</TITLE>") + extra;
        for (int i = 0; i < paragraphs; ++i) {
            if (i == anchorAt)
                html += QStringLiteral("<A NAME=\"Part\"></A>");
            html += QStringLiteral("<P>Line %1\n").arg(i);
        }
        return html;
    }

    void Focus()
    {
        viewer.activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(&viewer));
        viewer.setFocus();
        ASSERT_TRUE(viewer.hasFocus());
    }

    // Document position of the first occurrence of the text.
    int PosOf(const QString& text) { return viewer.Document().FindString(0, text, MatchCase::Yes); }

    // A point on the panel just inside the character at the position.
    QPoint PanelPointOf(int pos, int dx = 1)
    {
        QtCanvas canvas;
        int x = 0;
        int y = 0;
        EXPECT_TRUE(viewer.Document().CursorToXY(canvas, pos, x, y));
        return QPoint(x + HtmlDocument::Margin - viewer.HScrollPos() + dx, y - viewer.VScrollPos() + 6);
    }

    TPaintPanel* Panel() { return viewer.PaintPanelWidget(); }

    QTemporaryDir dir;
    THTMLViewer viewer;
};
