#pragma once

#include "viewer/viewerhost.h"

class HtmlDocument;

// The host of a document shown without a window (the command-line tool, the
// printer's copy): messages go to standard error, links are read against the
// document's file and base, and there is nobody to supply a picture or take a
// form.
class HeadlessHost final : public ViewerHost {
public:
    HeadlessHost(const HtmlDocument& document, const QString& fileName);

    void ReportError(const QString& message) override;
    QImage LoadPicture(const QString& source, QColor& transparentColor) override;
    void BackgroundChanged(QColor color) override;
    void SubmitForm(const QString& action, const QString& method, const QStringList& results) override;
    QString ExpandLinkName(const QString& link) const override;

private:
    const HtmlDocument& document_;
    QString fileName_;
};
