#include "viewer/htmlviewer.h"

#include "platform/busycursor.h"
#include "platform/kivoerror.h"
#include "viewer/formplacement.h"
#include "viewer/htmlviewerhost.h"
#include "viewer/imagecache.h"
#include "viewer/paintpanel.h"
#include "viewer/syscolors.h"
#include "viewer/viewerprint.h"

#include <QFile>
#include <QFileInfo>
#include <QMetaMethod>
#include <QScrollBar>
#include <QStyle>
#include <algorithm>
#include <exception>

// Marks a load, a property change or a history move as running; a second
// one arriving meanwhile (from a handler called back during the first) is
// ignored by its caller.
class THTMLViewer::ProcessingGuard {
public:
    explicit ProcessingGuard(THTMLViewer& viewer) : viewer_(viewer) { viewer_.processing_ = true; }
    ~ProcessingGuard() { viewer_.processing_ = false; }
    ProcessingGuard(const ProcessingGuard&) = delete;
    ProcessingGuard& operator=(const ProcessingGuard&) = delete;

private:
    THTMLViewer& viewer_;
};

THTMLViewer::THTMLViewer(QWidget* parent)
    : QWidget(parent), host_(std::make_unique<DocumentHost>(*this)), defBackground_(SysColors::ButtonFace()), defFontColor_(SysColors::ButtonText()),
      defHotSpotColor_(QColor(0, 0, 255))
{
    document_.Doc.BitmapList->SetMaxAge(imageCacheCount_);
    panel_ = new TPaintPanel(this);
    vBar_ = new QScrollBar(Qt::Vertical, this);
    hBar_ = new QScrollBar(Qt::Horizontal, this);
    for (QScrollBar* bar : {vBar_, hBar_}) {
        bar->setFocusPolicy(Qt::NoFocus);
        bar->hide();
    }
    vBar_->setSingleStep(SmallVChange);
    hBar_->setSingleStep(SmallHChange);
    connect(vBar_, &QScrollBar::valueChanged, this, [this](int value) {
        ScrollToY(value);
        setFocus(Qt::OtherFocusReason);
    });
    connect(hBar_, &QScrollBar::valueChanged, this, [this](int value) { SetHScroll(value); });

    autoScroll_.setInterval(100);
    connect(&autoScroll_, &QTimer::timeout, this, &THTMLViewer::AutoScrollStep);

    document_.Doc.SetFonts(defFontName_, defPreFontName_, defFontSize_, defFontColor_, defHotSpotColor_, defBackground_);
    document_.SetHost(host_.get());

    // Not click focus: a press must see whether the viewer had the focus before it.
    setFocusPolicy(Qt::TabFocus);
    setCursor(Qt::IBeamCursor);
    panel_->setCursor(cursor());
    resize(150, 150);
}

THTMLViewer::~THTMLViewer()
{
    // Layout may still report while the members go; nobody is there to tell.
    document_.SetHost(nullptr);
    // The form widgets go while the document and the viewer are whole: a
    // focused one leaving moves the focus, which asks the viewer.
    delete std::exchange(panel_, nullptr);
}

// ---- Loading ----------------------------------------------------------

void THTMLViewer::LoadFile(const QString& fileName)
{
    if (processing_ || fileName.isEmpty())
        return;
    const QString oldFile = currentFile_;
    const QString oldTitle = document_.Title;
    const std::uint32_t oldPosition = Position();
    try {
        LoadFileSteps(fileName);
    } catch (const EParseError&) {
        // The page is shown as far as it was read; it is the page now shown,
        // so the history must say so before the error goes on.
        if (currentFile_ != oldFile)
            AddHistory(oldFile, oldTitle, oldPosition);
        throw;
    }
    if (currentFile_ != oldFile)
        AddHistory(oldFile, oldTitle, oldPosition);
}

void THTMLViewer::LoadFileSteps(const QString& fileName)
{
    BusyCursor busy;
    const qsizetype hash = fileName.indexOf(QLatin1Char('#'));
    const QString name = hash >= 0 ? fileName.left(hash) : fileName;
    const QString anchor = hash >= 0 ? fileName.mid(hash + 1) : QString();

    ProcessingGuard guard(*this);
    if (!QFileInfo(name).isFile())
        throw KivoError(QStringLiteral("Can't locate file: ") + name);
    // Read before anything is emptied, so an unreadable file leaves the shown page as it was.
    QFile file(name);
    if (!file.open(QIODevice::ReadOnly))
        throw FileOpenError(name);
    const QByteArray bytes = file.readAll();

    StartLoad();
    const std::exception_ptr error = document_.ParseWith([&](HtmlParser& parser) { parser.ParseBuffer(bytes); });
    CreateFormWidgets(document_.Doc, panel_);
    const QString previousFile = currentFile_;
    currentFile_ = QFileInfo(name).absoluteFilePath();
    Layout();
    if (!anchor.isEmpty()) {
        JumpToName(anchor);
    } else if (currentFile_ != previousFile) {
        SetHScroll(0);
        ScrollToY(0);
    }
    RepaintPanel();
    if (error)
        std::rethrow_exception(error);
}

void THTMLViewer::StartLoad()
{
    // Every load reads the background picture afresh.
    document_.Clear();
    document_.Doc.SetFonts(defFontName_, defPreFontName_, defFontSize_, defFontColor_, defHotSpotColor_, defBackground_);
    document_.Doc.ShowImages = viewImages_;
    caretPos_ = 0;
    selAnchor_ = -1;
    hotSpot_.Clear();
    ClearSourceMark();
}

void THTMLViewer::LoadFromParser(const std::function<void(HtmlParser&)>& run)
{
    if (processing_)
        return;
    ProcessingGuard guard(*this);
    StartLoad();
    const std::exception_ptr error = document_.ParseWith(run);
    CreateFormWidgets(document_.Doc, panel_);
    currentFile_.clear();
    Layout();
    SetHScroll(0);
    ScrollToY(0);
    RepaintPanel();
    if (error)
        std::rethrow_exception(error);
}

void THTMLViewer::LoadLines(const QStringList& lines)
{
    LoadFromParser([&](HtmlParser& parser) { parser.ParseLines(lines); });
}

void THTMLViewer::LoadBuffer(QByteArrayView buffer)
{
    LoadFromParser([&](HtmlParser& parser) { parser.ParseBuffer(buffer); });
}

void THTMLViewer::ClearDocument()
{
    document_.Clear();
    currentFile_.clear();
    hotSpot_.Clear();
    caretPos_ = 0;
    selAnchor_ = -1;
    vPos_ = 0;
    hPos_ = 0;
    document_.Doc.YOff = 0;
    vBar_->hide();
    hBar_->hide();
    ArrangeBars();
    RepaintPanel();
}

void THTMLViewer::Layout()
{
    emit OnProcessing(true);
    layingOut_ = true;
    try {
        const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vBar_);
        document_.Layout(measure_, width() - (AllowsVertical(scrollBars_) ? barWidth : 0));
        lastWidth_ = width();
        ArrangeBars();
    } catch (...) {
        layingOut_ = false;
        emit OnProcessing(false);
        throw;
    }
    layingOut_ = false;
    emit OnProcessing(false);
}

void THTMLViewer::ReLayout()
{
    if (processing_)
        return;
    ProcessingGuard guard(*this);
    const std::uint32_t position = Position();
    Layout();
    SetPosition(position);
}

void THTMLViewer::ArrangeBars()
{
    const int barWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, vBar_);
    const ScrollBarArrangement a =
        ArrangeScrollBars(width(), height(), barWidth, document_.Height, document_.ScrollWidth, scrollBars_);
    panel_->setGeometry(a.Panel);

    const QSignalBlocker blockH(hBar_);
    hBar_->setGeometry(a.Horizontal.Bounds);
    hBar_->setRange(0, std::max(0, a.Horizontal.Max - a.Panel.width()));
    hBar_->setPageStep(std::max(1, a.Horizontal.LargeChange));
    hBar_->setValue(hPos_);
    hBar_->setVisible(a.Horizontal.Visible);

    const QSignalBlocker blockV(vBar_);
    vBar_->setGeometry(a.Vertical.Bounds);
    vBar_->setRange(0, std::max(0, a.Vertical.Max - a.Panel.height()));
    vBar_->setPageStep(std::max(1, a.Vertical.LargeChange));
    vBar_->setValue(vPos_);
    vBar_->setVisible(a.Vertical.Visible);

    // A shorter or narrower layout must not leave the view past its end.
    hPos_ = hBar_->value();
    vPos_ = vBar_->value();
    document_.Doc.YOff = vPos_;
}

// ---- Scrolling and position --------------------------------------------

int THTMLViewer::PanelHeight() const
{
    return panel_->height();
}

int THTMLViewer::HScrollMax() const
{
    return hBar_->maximum();
}

void THTMLViewer::RepaintPanel()
{
    // The widgets move before the paint, so text and controls scroll together.
    if (!layingOut_ && HasFormWidgets(document_.Doc))
        PlaceFormWidgets(document_, measure_, panel_->rect(), hPos_, vPos_);
    panel_->update();
}

void THTMLViewer::ScrollToY(int y)
{
    const int bottom = std::max(0, document_.Height - PanelHeight());
    const int old = vPos_;
    vPos_ = std::clamp(y, 0, bottom);
    document_.Doc.YOff = vPos_;
    {
        const QSignalBlocker block(vBar_);
        vBar_->setValue(vPos_);
    }
    RepaintPanel();
    if (vPos_ != old)
        emit OnScroll(vPos_);
}

void THTMLViewer::SetHScroll(int x)
{
    hPos_ = std::clamp(x, 0, std::max(0, HScrollMax()));
    {
        const QSignalBlocker block(hBar_);
        hBar_->setValue(hPos_);
    }
    RepaintPanel();
}

std::uint32_t THTMLViewer::Position() const
{
    int top = 0;
    int index = 0;
    if (!document_.Doc.FindSectionAtPosition(vPos_, top, index))
        return 0;
    // Beyond what 16 bits hold the place saturates rather than wrapping to
    // some unrelated section or to the top of a very tall one.
    const auto section = std::uint32_t(std::min(index, 0xFFFF));
    const auto offset = std::uint32_t(std::min(vPos_ - top, 0xFFFF));
    return (section << 16) | offset;
}

void THTMLViewer::SetPosition(std::uint32_t position)
{
    const int index = int(position >> 16);
    if (index < document_.Doc.Count())
        ScrollToY(document_.Doc[index]->YValue + int(position & 0xFFFF));
}

bool THTMLViewer::JumpToName(const QString& name)
{
    QString key = name.startsWith(QLatin1Char('#')) ? name.mid(1) : name;
    key = key.toUpper();
    const auto it = document_.Names.constFind(key);
    if (it == document_.Names.constEnd() || !it.value())
        return false;
    ScrollToY(it.value()->YValue);
    return true;
}

bool THTMLViewer::FindText(const QString& text, MatchCase matchCase)
{
    if (text.isEmpty())
        return false;
    const int found = document_.Doc.FindString(caretPos_, text, matchCase);
    if (found < 0)
        return false;
    document_.Doc.SelStart = found;
    document_.Doc.SelEnd = found + int(text.size());
    caretPos_ = document_.Doc.SelEnd;
    int x = 0;
    int y = 0;
    if (document_.Doc.CursorToXY(measure_, found, x, y)) {
        if (y < vPos_ || y > vPos_ + PanelHeight() - 20)
            ScrollToY(y - PanelHeight() / 2);
    }
    RepaintPanel();
    return true;
}

void THTMLViewer::CopySelection()
{
    document_.Doc.CopyToClipboard();
}

int THTMLViewer::PrintPages(QPrinter& printer, int firstPage, int lastPage)
{
    if (processing_)
        return 0;
    BusyCursor busy;
    return ::PrintPages(document_.Doc, printer, firstPage, lastPage);
}

QString THTMLViewer::SelectedText()
{
    return document_.Doc.SelectedText();
}

QString THTMLViewer::ExpandLinkName(const QString& link, ViewerPathStyle style) const
{
    return ::ExpandLinkName(link, document_.Base, currentFile_, style);
}

// ---- History ------------------------------------------------------------

HistoryEntry THTMLViewer::CurrentEntry() const
{
    return HistoryEntry{currentFile_, document_.Title, PositionObj{Position(), 0}};
}

void THTMLViewer::AddHistory(const QString& oldFile, const QString& oldTitle, std::uint32_t oldPosition)
{
    if (history_.Add(HistoryEntry{oldFile, oldTitle, PositionObj{oldPosition, 0}}, CurrentEntry()))
        emit OnHistoryChange();
}

QString THTMLViewer::HistoryFileName(int index) const
{
    return index >= 0 && index < history_.Count() ? history_.Entry(index).FileName : QString();
}

QString THTMLViewer::HistoryTitle(int index) const
{
    return index >= 0 && index < history_.Count() ? history_.Entry(index).Title : QString();
}

void THTMLViewer::SetHistoryIndex(int index)
{
    if (index == history_.Index() || index < 0 || index >= history_.Count() || processing_)
        return;
    if (!currentFile_.isEmpty())
        history_.UpdateCurrent(CurrentEntry());
    const HistoryEntry target = history_.Entry(index);
    if (target.FileName != currentFile_)
        LoadFileSteps(target.FileName);
    SetPosition(target.Position.Pos);
    history_.SetIndex(index);
    emit OnHistoryChange();
}

void THTMLViewer::ClearHistory()
{
    if (history_.Clear())
        emit OnHistoryChange();
}

// ---- Properties ---------------------------------------------------------

void THTMLViewer::UpdateFontsAndLayout(bool relayout)
{
    document_.Doc.FontName = defFontName_;
    document_.Doc.PreFontName = defPreFontName_;
    document_.Doc.DefFontSize = defFontSize_;
    document_.Doc.FontColor = defFontColor_;
    document_.Doc.HotSpotColor = defHotSpotColor_;
    document_.Doc.UpdateFonts();
    if (relayout && HasDocument())
        ReLayout();
    RepaintPanel();
}

void THTMLViewer::SetDefBackground(QColor color)
{
    if (processing_)
        return;
    defBackground_ = color;
    document_.Doc.SetBackground(color);
    update();
    RepaintPanel();
}

void THTMLViewer::SetDefFontColor(QColor color)
{
    defFontColor_ = color;
    UpdateFontsAndLayout(false);
}

void THTMLViewer::SetDefHotSpotColor(QColor color)
{
    defHotSpotColor_ = color;
    UpdateFontsAndLayout(false);
}

void THTMLViewer::SetDefFontSize(int points)
{
    defFontSize_ = std::max(6, points);
    UpdateFontsAndLayout(true);
}

void THTMLViewer::SetDefFontName(const QString& name)
{
    const QString value = name.left(31);
    if (value.compare(defFontName_, Qt::CaseInsensitive) == 0)
        return;
    defFontName_ = value;
    UpdateFontsAndLayout(true);
}

void THTMLViewer::SetDefPreFontName(const QString& name)
{
    const QString value = name.left(31);
    if (value.compare(defPreFontName_, Qt::CaseInsensitive) == 0)
        return;
    defPreFontName_ = value;
    UpdateFontsAndLayout(true);
}

void THTMLViewer::SetViewImages(bool view)
{
    if (view == viewImages_ || processing_)
        return;
    BusyCursor busy;
    viewImages_ = view;
    document_.Doc.ShowImages = view;
    if (HasDocument()) {
        ProcessingGuard guard(*this);
        const std::uint32_t position = Position();
        Layout();
        SetPosition(position);
        RepaintPanel();
    }
}

void THTMLViewer::SetImageCacheCount(int count)
{
    const int clamped = std::clamp(count, 0, 20);
    if (clamped == imageCacheCount_)
        return;
    imageCacheCount_ = clamped;
    document_.Doc.BitmapList->SetMaxAge(imageCacheCount_);
}

void THTMLViewer::SetHistoryMaxCount(int count)
{
    if (count < 0)
        return;
    if (count < history_.MaxCount())
        ClearHistory();
    history_.SetMaxCount(count);
}

void THTMLViewer::SetNoSelect(bool noSelect)
{
    noSelect_ = noSelect;
    if (noSelect) {
        document_.Doc.SelStart = -1;
        document_.Doc.SelEnd = -1;
        RepaintPanel();
    }
}

void THTMLViewer::SetBorderStyle(THTMLBorderStyle style)
{
    borderStyle_ = style;
    update();
}

void THTMLViewer::SetScrollBars(TScrollStyle style)
{
    scrollBars_ = style;
    if (HasDocument() && !processing_) {
        ProcessingGuard guard(*this);
        const std::uint32_t position = Position();
        Layout();
        SetPosition(position);
    } else {
        ArrangeBars();
    }
    RepaintPanel();
}

// ---- Forms and images ---------------------------------------------------

void THTMLViewer::SubmitForm(const QString& action, const QString& method, const QStringList& results)
{
    if (!isSignalConnected(QMetaMethod::fromSignal(&THTMLViewer::OnFormSubmit)))
        return;
    pendingAction_ = action;
    pendingMethod_ = method;
    pendingResults_ = results;
    if (!submitPending_) {
        submitPending_ = true;
        QMetaObject::invokeMethod(this, &THTMLViewer::DeliverFormSubmit, Qt::QueuedConnection);
    }
}

void THTMLViewer::DeliverFormSubmit()
{
    submitPending_ = false;
    const QString action = std::exchange(pendingAction_, QString());
    const QString method = std::exchange(pendingMethod_, QString());
    const QStringList results = std::exchange(pendingResults_, QStringList());
    emit OnFormSubmit(action, method, results);
}
