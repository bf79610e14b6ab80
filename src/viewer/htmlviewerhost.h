#pragma once

#include "viewer/htmlviewer.h"
#include "viewer/viewerhost.h"

// The widget as its document's host: what the document asks for becomes the
// widget's signals, so the main window keeps connecting to those.
class THTMLViewer::DocumentHost final : public ViewerHost {
public:
    explicit DocumentHost(THTMLViewer& viewer) : viewer_(viewer) {}

    void ReportError(const QString& message) override { emit viewer_.OnError(message); }

    QImage LoadPicture(const QString& source) override
    {
        QImage image;
        emit viewer_.OnBitmapRequest(source, image);
        return image;
    }

    void BackgroundChanged(QColor) override { viewer_.RepaintPanel(); }

    void SubmitForm(const QString& action, const QString& method, const QStringList& results) override
    {
        viewer_.SubmitForm(action, method, results);
    }

    QString ExpandLinkName(const QString& link) const override
    {
        return viewer_.ExpandLinkName(link, viewer_.linkPathStyle_);
    }

private:
    THTMLViewer& viewer_;
};
