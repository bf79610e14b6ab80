#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QStringList>

// What a document needs from whoever shows it: the widget for the editor, a
// headless host for the command-line tool, a recording host in the tests.
// The document never reaches its host any other way.
class ViewerHost {
public:
    virtual ~ViewerHost() = default;

    // A message the user must see (a table too wide to lay out).
    virtual void ReportError(const QString& message) = 0;
    // Whether the host supplies every picture itself: then the document
    // reads no picture files and asks LoadPicture for each.
    virtual bool SuppliesPictures() const { return false; }
    // The picture for a source as written: asked for every picture when the
    // host supplies them, else for one the document could not read from the
    // path its source expands to. A null image when the host has none.
    // transparentColor arrives invalid; a host may set it to the colour of
    // the picture that is to show what lies behind.
    virtual QImage LoadPicture(const QString& source, QColor& transparentColor) = 0;
    // The document's background colour is now this one.
    virtual void BackgroundChanged(QColor color) = 0;
    // A form of the document asks to be sent.
    virtual void SubmitForm(const QString& action, const QString& method, const QStringList& results) = 0;
    // The path or address a link or picture source of the document names.
    virtual QString ExpandLinkName(const QString& link) const = 0;

protected:
    ViewerHost() = default;
    ViewerHost(const ViewerHost&) = default;
    ViewerHost& operator=(const ViewerHost&) = default;
};
