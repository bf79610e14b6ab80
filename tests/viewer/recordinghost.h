#pragma once

#include "viewer/viewerhost.h"

#include <QColor>
#include <QHash>
#include <QStringList>
#include <vector>

// A host that keeps what the document told it and supplies the pictures it
// was given; links expand to "folder/" + link.
class RecordingHost : public ViewerHost {
public:
    struct Submission {
        QString action, method;
        QStringList results;
    };

    void ReportError(const QString& message) override { Errors << message; }
    bool SuppliesPictures() const override { return SuppliesAll; }
    QImage LoadPicture(const QString& source, QColor& transparentColor) override
    {
        PicturesAsked << source;
        transparentColor = TransparentColors.value(source);
        return Pictures.value(source);
    }
    void BackgroundChanged(QColor color) override { Backgrounds.push_back(color); }
    void SubmitForm(const QString& action, const QString& method, const QStringList& results) override
    {
        Submissions.push_back({action, method, results});
    }
    QString ExpandLinkName(const QString& link) const override { return Folder + QLatin1Char('/') + link; }

    QString Folder = QStringLiteral("/nonexistent");
    // Set, the host acts as a connected picture request: no file is read.
    bool SuppliesAll = false;
    QHash<QString, QImage> Pictures;
    QHash<QString, QColor> TransparentColors;
    QStringList Errors;
    QStringList PicturesAsked;
    std::vector<QColor> Backgrounds;
    std::vector<Submission> Submissions;
};
