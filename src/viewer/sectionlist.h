#pragma once

#include "viewer/cell.h"
#include "viewer/fonts.h"
#include "viewer/sectionstore.h"
#include "viewer/syscolors.h"

#include <QColor>
#include <QString>
#include <memory>
#include <vector>

class ThtmlForm;
class TStringBitmapList;
class ViewerHost;
class TMapItem;

// The whole document: its sections plus the settings and lists every
// section shares.
class TSectionList : public TCell {
public:
    TSectionList();
    // The copy made for printing: every section, cell, font and image; no form controls.
    std::unique_ptr<TSectionList> CopyForPrinting() const;
    ~TSectionList() override;

    void Clear();
    void SetFonts(const QString& name, const QString& preName, int size, QColor color, QColor hotSpot,
                  QColor background);
    void SetBackground(QColor color);
    void SetBackgroundName(const QString& name) { BackgroundName = name; }
    // y of the top of section n from the last layout.
    int GetSectionY(int n) const;
    void SetYOffset(int y) { YOff = y; }

    // The document's own layout, painting and copy entry points.
    int DoLogic(Canvas& canvas, int y, int width, int& maxWidth, int& curs);
    void Draw(Canvas& canvas, const QRect& clip, int clipWidth, int x, int y);
    // The selected text; empty when nothing is selected.
    QString SelectedText();
    void CopyToClipboard();

    // On the printing copy: a block from top, height pixels tall, that the
    // page break would cut and that fits on a page moves to the next page
    // (the break rises to its top). False when it stays on this page.
    bool MovesToNextPage(const QRect& page, int top, int height);

    // Messages the classic program showed in a box while laying out.
    void ReportError(const QString& message) const;

    int DefFontSize = 12;
    bool ShowImages = true;
    int YOff = 0;
    int SelStart = 0;
    int SelEnd = 0;
    QString FontName = QStringLiteral("Times New Roman");
    QString PreFontName = QStringLiteral("Courier New");
    QColor FontColor = SysColors::ButtonText();
    QColor HotSpotColor = QColor(0, 0, 255);
    QColor Background = SysColors::ButtonFace();
    QString BackgroundName;
    bool Printing = false;
    // The first y below the drawn page; on the printing copy the break
    // position, set by the printer and raised while the page is drawn.
    int PageBottom = 0;
    std::vector<std::unique_ptr<ThtmlForm>> htmlFormList;
    std::vector<std::unique_ptr<TMapItem>> MapList;
    TFontPool FontPool;
    // What finished sections keep of their text, runs and sources; emptied
    // by Clear once the sections are gone.
    SectionStore Store;
    // Sections layout could not show (a table with too many columns).
    std::vector<std::unique_ptr<TSectionBase>> DroppedSections;

    // Decoded pictures, kept across loads; the printing copy shares them.
    std::shared_ptr<TStringBitmapList> BitmapList;

    // Told of errors and background changes; none for a document nobody shows.
    ViewerHost* Host = nullptr;
};
