#pragma once

#include "fakecanvas.h"
#include "viewer/htmldocument.h"
#include "viewer/sections.h"

#include <QString>

// A document parsed from text and laid out on the fake canvas.
struct LaidOutPage {
    HtmlDocument page;
    FakeCanvas canvas;

    explicit LaidOutPage(const QString& html, int textWidth = 400)
    {
        page.LoadText(html);
        page.Layout(canvas, textWidth + 2 * HtmlDocument::Margin);
    }
    TSectionList& Doc() { return page.Doc; }
    template <typename T = TSection> T* Section(int i) { return dynamic_cast<T*>(page.Doc[i]); }
    // The first text section whose text contains the word.
    TSection* SectionWith(const QString& word)
    {
        for (int i = 0; i < page.Doc.Count(); ++i)
            if (auto* s = dynamic_cast<TSection*>(page.Doc[i]); s && s->Buff.contains(word))
                return s;
        return nullptr;
    }
};

