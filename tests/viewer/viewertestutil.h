#pragma once

#include "fakecanvas.h"
#include "recordinghost.h"
#include "viewer/htmldocument.h"
#include "viewer/sections.h"

#include <QString>

// Supplies a grey 8 x 8 picture for every source, as a connected picture
// request would, so an IMG with a SRC takes its WIDTH and HEIGHT.
class AnyPictureHost : public RecordingHost {
public:
    AnyPictureHost() { SuppliesAll = true; }
    QImage LoadPicture(const QString& source, QColor& transparentColor) override
    {
        QImage supplied = RecordingHost::LoadPicture(source, transparentColor);
        if (supplied.isNull()) {
            supplied = QImage(8, 8, QImage::Format_RGB32);
            supplied.fill(Qt::gray);
        }
        return supplied;
    }
};

// A document parsed from text and laid out on the fake canvas; every IMG
// with a SRC has a picture.
struct LaidOutPage {
    AnyPictureHost host;
    HtmlDocument page{&host};
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

