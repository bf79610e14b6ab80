#pragma once

#include "viewer/htmlviewer.h"
#include "viewer/viewerhost.h"

#include <QMetaMethod>

// The widget as its document's host: what the document asks for becomes the
// widget's signals, so the main window keeps connecting to those.
class THTMLViewer::DocumentHost final : public ViewerHost {
public:
    explicit DocumentHost(THTMLViewer& viewer) : viewer_(viewer) {}

    void ReportError(const QString& message) override { emit viewer_.OnError(message); }

    // A handler connected to OnBitmapRequest supplies every picture.
    bool SuppliesPictures() const override
    {
        return viewer_.isSignalConnected(QMetaMethod::fromSignal(&THTMLViewer::OnBitmapRequest));
    }

    QImage LoadPicture(const QString& source, QColor& transparentColor) override
    {
        QImage image;
        emit viewer_.OnBitmapRequest(source, image, transparentColor);
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
