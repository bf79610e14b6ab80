#pragma once

#include "viewer/expandlinkname.h"
#include "viewer/htmldocument.h"
#include "viewer/qtcanvas.h"
#include "viewer/sectionlist.h"
#include "viewer/sourcemap.h"
#include "viewer/viewerhistory.h"
#include "viewer/viewerscrollbars.h"

#include <QByteArrayView>
#include <QColor>
#include <QImage>
#include <QStringList>
#include <QTimer>
#include <QWidget>
#include <cstdint>
#include <functional>
#include <memory>

class QPrinter;
class QScrollBar;
class TPaintPanel;

enum class THTMLBorderStyle { htFocused, htNone, htSingle };

// The HTML viewer: shows a document in a framed panel with two scroll bars,
// follows links between local pages with a bounded history, keeps a mouse
// selection, finds text and copies the selection.
//
// Loads throw KivoError (a missing file, a parse error) to the caller; after
// a parse error the part read so far is laid out and shown first. Errors met
// inside the viewer's own event handling (a link to a missing page, a table
// too wide) are not thrown through the event loop but announced by OnError.
class THTMLViewer : public QWidget {
    Q_OBJECT
public:
    explicit THTMLViewer(QWidget* parent = nullptr);
    ~THTMLViewer() override;

    // Loading. LoadFile accepts "name#anchor"; it is ignored for an empty name
    // and while a load is running.
    void LoadFile(const QString& fileName);
    void LoadLines(const QStringList& lines);
    // The bytes of a page (UTF-8 when valid, else Windows-1252).
    void LoadBuffer(QByteArrayView buffer);
    void ClearDocument();
    // Lays the document out again at the current width, keeping Position.
    void ReLayout();

    // Navigation and queries.
    bool JumpToName(const QString& name);
    bool FindText(const QString& text, MatchCase matchCase);
    void CopySelection();
    // Prints pages first to last (from 1) of the document laid out afresh at
    // the paper's width; does nothing while a load runs. Returns the pages
    // printed.
    int PrintPages(QPrinter& printer, int firstPage, int lastPage);
    QString SelectedText();
    int SelStart() const { return document_.Doc.SelStart; }
    int SelLength() const { return std::max(0, document_.Doc.SelEnd - document_.Doc.SelStart); }
    bool HasSelection() const { return SelLength() > 0; }
    int CaretPos() const { return caretPos_; }
    // Section index in the high 16 bits, pixels into it in the low 16 bits.
    std::uint32_t Position() const;
    void SetPosition(std::uint32_t position);
    void ScrollToY(int y);
    int VScrollPos() const { return vPos_; }
    int HScrollPos() const { return hPos_; }
    QString ExpandLinkName(const QString& link, ViewerPathStyle style = ViewerPathStyle::Native) const;

    QString CurrentFile() const { return currentFile_; }
    QString DocumentTitle() const { return document_.Title; }
    QString BaseHref() const { return document_.Base; }
    QString BaseTarget() const { return document_.BaseTarget; }
    QString HotSpotUrl() const { return hotSpot_.Url; }
    QString HotSpotTarget() const { return hotSpot_.Target; }
    int DocumentHeight() const { return document_.Height; }
    int ScrollWidth() const { return document_.ScrollWidth; }
    bool Processing() const { return processing_; }

    // History: index 0 is the newest entry.
    int HistoryIndex() const { return history_.Index(); }
    void SetHistoryIndex(int index);
    int HistoryCount() const { return history_.Count(); }
    QString HistoryFileName(int index) const;
    QString HistoryTitle(int index) const;
    const ViewerHistory& History() const { return history_; }
    void ClearHistory();

    // Published properties.
    QColor DefBackground() const { return defBackground_; }
    void SetDefBackground(QColor color);
    QColor DefFontColor() const { return defFontColor_; }
    void SetDefFontColor(QColor color);
    QColor DefHotSpotColor() const { return defHotSpotColor_; }
    void SetDefHotSpotColor(QColor color);
    int DefFontSize() const { return defFontSize_; }
    void SetDefFontSize(int points);
    QString DefFontName() const { return defFontName_; }
    void SetDefFontName(const QString& name);
    QString DefPreFontName() const { return defPreFontName_; }
    void SetDefPreFontName(const QString& name);
    bool ViewImages() const { return viewImages_; }
    void SetViewImages(bool view);
    int ImageCacheCount() const { return imageCacheCount_; }
    void SetImageCacheCount(int count);
    int HistoryMaxCount() const { return history_.MaxCount(); }
    void SetHistoryMaxCount(int count);
    bool NoSelect() const { return noSelect_; }
    void SetNoSelect(bool noSelect);
    THTMLBorderStyle BorderStyle() const { return borderStyle_; }
    void SetBorderStyle(THTMLBorderStyle style);
    TScrollStyle ScrollBars() const { return scrollBars_; }
    void SetScrollBars(TScrollStyle style);
    // How links become paths; the program uses the native style.
    ViewerPathStyle LinkPathStyle() const { return linkPathStyle_; }
    void SetLinkPathStyle(ViewerPathStyle style) { linkPathStyle_ = style; }

    // The source map, for a host that shows the page's source beside it.
    // Offsets are those of the text last loaded (sourcemap.h); points are
    // the paint panel's, rows (y) the document's.
    int SourceOffsetAt(QPoint panelPoint);
    // Of the first text at the top of the view.
    int SourceOffsetAtTop() const;
    bool PlaceOfSource(int offset, SourcePlace& place, SourceAffinity affinity = SourceAffinity::Preceding);
    // The link at a point of the panel, empty when none.
    QString LinkAt(QPoint panelPoint);
    // Scrolls when the rows top..top+height are not all in view, so that
    // they stand a third of the way down.
    void ScrollIntoView(int top, int height);
    int ViewHeight() const { return PanelHeight(); }
    // A thin bar in the left margin beside the rows top..bottom; a load
    // removes it.
    void SetSourceMark(int top, int bottom);
    void ClearSourceMark() { SetSourceMark(0, -1); }
    bool HasSourceMark() const { return markTop_ <= markBottom_; }
    int SourceMarkTop() const { return markTop_; }
    int SourceMarkBottom() const { return markBottom_; }

    // A form of the document asks to submit: OnFormSubmit is called later,
    // from the event queue, never inside the document's own mouse handling.
    void SubmitForm(const QString& action, const QString& method, const QStringList& results);
    // Parts, for those that wire or test the viewer.
    TSectionList& Document() { return document_.Doc; }
    HtmlDocument& Page() { return document_; }
    const TNameList& NameList() const { return document_.Names; }
    TPaintPanel* PaintPanelWidget() const { return panel_; }
    QScrollBar* VScrollBar() const { return vBar_; }
    QScrollBar* HScrollBar() const { return hBar_; }
    static constexpr int SmallVChange = 16;
    static constexpr int SmallHChange = 15;

signals:
    void OnHotSpotCovered(const QString& src);
    // Setting handled to true stops the viewer's own link handling.
    void OnHotSpotClick(const QString& src, bool& handled);
    void OnProcessing(bool processingOn);
    void OnHistoryChange();
    void OnFormSubmit(const QString& action, const QString& method, const QStringList& results);
    // Connected, it supplies every picture and no picture file is read; a
    // valid transparentColor names the picture's transparent colour.
    void OnBitmapRequest(const QString& source, QImage& image, QColor& transparentColor);
    void OnError(const QString& message);
    // The view moved to another row y.
    void OnScroll(int y);
    // A click (clicks 1) or a double click (2) on the page that selected
    // nothing; setting handled stops the viewer following a link there.
    void OnPanelClick(QPoint panelPoint, Qt::KeyboardModifiers modifiers, int clicks, bool& handled);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void wheelEvent(QWheelEvent* event) override;
    void focusInEvent(QFocusEvent* event) override;
    void focusOutEvent(QFocusEvent* event) override;
    // Tab walks the page's form controls in document order, scrolling to
    // each one that is out of view.
    bool focusNextPrevChild(bool next) override;

private:
    friend class TPaintPanel;
    class ProcessingGuard;
    class DocumentHost;

    // Loading steps shared by LoadFile and history moves.
    void LoadFileSteps(const QString& fileName);
    void StartLoad();
    void LoadFromParser(const std::function<void(HtmlParser&)>& run);
    void Layout();
    void ArrangeBars();
    void AddHistory(const QString& oldFile, const QString& oldTitle, std::uint32_t oldPosition);
    HistoryEntry CurrentEntry() const;
    bool HasDocument() const { return document_.Doc.Count() > 0; }
    void SetHScroll(int x);
    int HScrollMax() const;
    int PanelHeight() const;
    void RepaintPanel();
    void UpdateFontsAndLayout(bool relayout);

    // Painting.
    void PaintPanel(QPainter& painter, const QRect& clip);

    // The panel's mouse.
    void PanelMouseDown(Qt::MouseButton button, QPoint at);
    void PanelMouseMove(Qt::MouseButtons buttons, QPoint at);
    void PanelMouseUp(Qt::MouseButton button, QPoint at, Qt::KeyboardModifiers modifiers = {});
    void PanelDoubleClick(QPoint at, Qt::KeyboardModifiers modifiers);
    void PaintSourceMark(QPainter& painter);
    void ExtendSelection(QPoint at);
    void AutoScrollStep();
    int DocX(int panelX) const { return panelX - HtmlDocument::Margin + hPos_; }
    void FollowLink(const TUrlTarget& link);
    void Report(const std::exception& error);
    void DeliverFormSubmit();
    bool FocusNextFormControl(bool next);

    std::unique_ptr<DocumentHost> host_;
    HtmlDocument document_;
    QtCanvas measure_;   // lays the page out, and paints it with a painter lent
    TPaintPanel* panel_ = nullptr;
    QScrollBar* vBar_ = nullptr;
    QScrollBar* hBar_ = nullptr;
    QTimer autoScroll_;
    ViewerHistory history_;

    QString currentFile_;
    TUrlTarget hotSpot_;
    int caretPos_ = 0;
    int selAnchor_ = -1;
    bool mouseDown_ = false;
    bool leftDown_ = false;
    bool doubleClicked_ = false;   // the release after a double click is no click of its own
    int markTop_ = 0;
    int markBottom_ = -1;
    QPoint lastMouse_;
    bool processing_ = false;
    bool layingOut_ = false;
    int lastWidth_ = -1;
    int vPos_ = 0;
    int hPos_ = 0;

    QColor defBackground_;
    QColor defFontColor_;
    QColor defHotSpotColor_;
    int defFontSize_ = 12;
    QString defFontName_ = QStringLiteral("Times New Roman");
    QString defPreFontName_ = QStringLiteral("Courier New");
    bool viewImages_ = true;
    int imageCacheCount_ = 5;
    bool noSelect_ = false;
    THTMLBorderStyle borderStyle_ = THTMLBorderStyle::htFocused;
    TScrollStyle scrollBars_ = TScrollStyle::ssBoth;
    ViewerPathStyle linkPathStyle_ = ViewerPathStyle::Native;

    QString pendingAction_;
    QString pendingMethod_;
    QStringList pendingResults_;
    bool submitPending_ = false;
};
