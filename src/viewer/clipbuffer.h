#pragma once

#include <QString>
#include <QStringView>

// Collects the text of a selection for the clipboard. Unlike the classic
// buffer it has no size limit: a copy keeps everything selected.
class ClipBuffer {
public:
    // Image and form-control markers have no text and are dropped.
    void AddText(QStringView text);
    void AddTextCR(QStringView text);
    const QString& Text() const { return text_; }
    // Puts the text on the clipboard as plain text.
    void Terminate();

private:
    QString text_;
};
