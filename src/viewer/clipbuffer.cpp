#include "viewer/clipbuffer.h"

#include "viewer/textmarkers.h"

#include <QClipboard>
#include <QGuiApplication>

void ClipBuffer::AddText(QStringView text)
{
    text_.reserve(text_.size() + text.size());
    for (QChar c : text)
        if (c != TextMarkers::Image && c != TextMarkers::Control)
            text_.append(c);
}

void ClipBuffer::AddTextCR(QStringView text)
{
    AddText(text);
    text_.append(QLatin1String("\r\n"));
}

void ClipBuffer::Terminate()
{
    if (QClipboard* clipboard = QGuiApplication::clipboard())
        clipboard->setText(text_);
}
