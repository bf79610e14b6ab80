// The live widgets of the form controls: made hidden on the viewer's paint
// panel, moved into place by drawing, writing what the user does back into
// the controls' own state.
#include "viewer/formcontrols.h"

#include "viewer/qtcanvas.h"
#include "viewer/sectionlist.h"

#include <QCheckBox>
#include <QComboBox>
#include <QKeyEvent>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QProxyStyle>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalBlocker>

#include <algorithm>

namespace {

QFont ControlFont(const TSectionList* owner)
{
    return QtCanvas::MakeQFont(CanvasFont{owner ? owner->PreFontName : QStringLiteral("Courier New"), 10});
}

QFont ButtonFont()
{
    return QtCanvas::MakeQFont(CanvasFont{QStringLiteral("Arial"), 9});
}

// A password field shows one "*" for each character typed.
class PasswordStyle final : public QProxyStyle {
public:
    int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                  QStyleHintReturn* returnData) const override
    {
        if (hint == SH_LineEdit_PasswordCharacter)
            return '*';
        return QProxyStyle::styleHint(hint, option, widget, returnData);
    }
};

QStyle* PasswordStyleOf(QWidget* panel)
{
    auto* style = panel->findChild<PasswordStyle*>(QString(), Qt::FindDirectChildrenOnly);
    if (!style) {
        style = new PasswordStyle;
        style->setParent(panel);
    }
    return style;
}

// A field of the page owns its Enter key: it must not also press the
// default button of a dialog the viewer sits in.
class FormLineEdit final : public QLineEdit {
public:
    using QLineEdit::QLineEdit;

protected:
    void keyPressEvent(QKeyEvent* event) override
    {
        QLineEdit::keyPressEvent(event);
        if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter)
            event->accept();
    }
};

// Grouping is the page's rule (same form, same name in any case), not the
// panel's: a click only ever turns the button on.
class FormRadioButton final : public QRadioButton {
public:
    explicit FormRadioButton(QWidget* parent) : QRadioButton(parent) { setAutoExclusive(false); }

protected:
    void nextCheckState() override { setChecked(true); }
};

// The page gives a list box room for its rows in the viewer's own type
// measure; the rows share that room, so that the last one is not cut where
// the widget's font measures a pixel taller.
class FormListBox final : public QListWidget {
public:
    FormListBox(QWidget* parent, int rows) : QListWidget(parent), rows_(std::max(1, rows)) {}

    int RowHeight() const
    {
        const int room = viewport()->height() / rows_;
        return room > 0 ? std::min(room, QFontMetrics(font()).height()) : QFontMetrics(font()).height();
    }

protected:
    void resizeEvent(QResizeEvent* event) override
    {
        QListWidget::resizeEvent(event);
        const QSize row(0, RowHeight());
        for (int i = 0; i < count(); ++i)
            if (item(i)->sizeHint() != row)
                item(i)->setSizeHint(row);
    }

private:
    int rows_;
};

void Prepare(QWidget* widget, const QFont& font)
{
    widget->hide();
    widget->setFont(font);
    widget->setFocusPolicy(Qt::StrongFocus);
}

} // namespace

TFormControlObj::~TFormControlObj()
{
    // At once: a deferred delete per widget makes every later one search the
    // whole event queue. No handler of a control empties the document while
    // it runs, since submissions reach the host through the event queue.
    delete TheControl.data();
}

void TFormControlObj::CreateWidget(QWidget* panel)
{
    if (TheControl || !panel)
        return;
    TheControl = MakeWidget(panel);
    if (TheControl) {
        TheControl->move(0, -400);
        ShowState();
    }
}

QWidget* TEditFormControlObj::MakeWidget(QWidget* panel)
{
    auto* edit = new FormLineEdit(panel);
    Prepare(edit, ControlFont(Owner));
    if (Password) {
        edit->setStyle(PasswordStyleOf(panel));
        edit->setEchoMode(QLineEdit::Password);
    }
    QObject::connect(edit, &QLineEdit::textChanged, edit, [this](const QString& text) { Text = text; });
    QObject::connect(edit, &QLineEdit::returnPressed, edit, [this] {
        if (Form)
            Form->EnterPressed();
    });
    return edit;
}

void TEditFormControlObj::ShowState()
{
    if (auto* edit = qobject_cast<QLineEdit*>(TheControl.data())) {
        const QSignalBlocker block(edit);
        edit->setText(Text);
        edit->setCursorPosition(0);
    }
}

QWidget* TButtonFormControlObj::MakeWidget(QWidget* panel)
{
    auto* button = new QPushButton(Value, panel);
    Prepare(button, ButtonFont());
    button->setAutoDefault(false);
    QObject::connect(button, &QPushButton::clicked, button, [this] { Click(); });
    return button;
}

void TButtonFormControlObj::Click()
{
    if (!Form)
        return;
    if (IsReset)
        Form->ResetControls();
    else
        Form->Submit(Name.isEmpty() ? QString() : Name + QLatin1Char('=') + Value);
}

void TCheckableFormControlObj::ShowState()
{
    if (auto* box = qobject_cast<QAbstractButton*>(TheControl.data())) {
        const QSignalBlocker block(box);
        box->setChecked(Checked);
    }
}

QWidget* TCheckBoxFormControlObj::MakeWidget(QWidget* panel)
{
    auto* box = new QCheckBox(panel);
    Prepare(box, ButtonFont());
    QObject::connect(box, &QCheckBox::toggled, box, [this](bool on) { Checked = on; });
    return box;
}

QWidget* TRadioButtonFormControlObj::MakeWidget(QWidget* panel)
{
    auto* radio = new FormRadioButton(panel);
    Prepare(radio, ButtonFont());
    QObject::connect(radio, &QRadioButton::toggled, radio, [this](bool on) { Checked = on; });
    QObject::connect(radio, &QRadioButton::clicked, radio, [this] { Click(); });
    return radio;
}

void TRadioButtonFormControlObj::Click()
{
    Checked = true;
    ShowState();
    if (Form)
        Form->UncheckRadioGroup(*this);
}

QWidget* TListBoxFormControlObj::MakeWidget(QWidget* panel)
{
    auto* list = new FormListBox(panel, VisibleRows());
    Prepare(list, ControlFont(Owner));
    list->setSelectionMode(Multiple ? QAbstractItemView::ExtendedSelection : QAbstractItemView::SingleSelection);
    list->setUniformItemSizes(true);
    // A long option is cut at the edge, as in a classic list, not shortened with dots.
    list->setTextElideMode(Qt::ElideNone);
    list->setFrameShape(QFrame::Box);
    list->setLineWidth(1);
    QObject::connect(list, &QListWidget::itemSelectionChanged, list, [this, list] {
        SelectedItems.assign(size_t(list->count()), false);
        for (int i = 0; i < list->count(); ++i)
            SelectedItems[size_t(i)] = list->item(i)->isSelected();
    });
    QObject::connect(list, &QListWidget::currentRowChanged, list, [this](int row) { CurrentItem = row; });
    return list;
}

void TListBoxFormControlObj::ShowState()
{
    auto* list = dynamic_cast<FormListBox*>(TheControl.data());
    if (!list)
        return;
    const QSignalBlocker block(list);
    list->clear();
    const int rowHeight = list->RowHeight();
    for (const TOptionObj& option : Options) {
        auto* item = new QListWidgetItem(option.Text, list);
        item->setSizeHint(QSize(0, rowHeight));
    }
    if (CurrentItem >= 0 && CurrentItem < list->count())
        list->setCurrentRow(CurrentItem, Multiple ? QItemSelectionModel::NoUpdate
                                                  : QItemSelectionModel::ClearAndSelect);
    if (Multiple) {
        for (int i = 0; i < list->count() && size_t(i) < SelectedItems.size(); ++i)
            list->item(i)->setSelected(SelectedItems[size_t(i)]);
    }
    list->scrollToTop();
}

QWidget* TComboFormControlObj::MakeWidget(QWidget* panel)
{
    auto* combo = new QComboBox(panel);
    Prepare(combo, ButtonFont());
    combo->setEditable(false);
    QObject::connect(combo, &QComboBox::currentIndexChanged, combo, [this](int index) { CurrentItem = index; });
    return combo;
}

void TComboFormControlObj::ShowState()
{
    auto* combo = qobject_cast<QComboBox*>(TheControl.data());
    if (!combo)
        return;
    const QSignalBlocker block(combo);
    combo->clear();
    for (const TOptionObj& option : Options)
        combo->addItem(option.Text);
    combo->setCurrentIndex(CurrentItem);
}

QWidget* TTextAreaFormControlObj::MakeWidget(QWidget* panel)
{
    auto* area = new QPlainTextEdit(panel);
    Prepare(area, ControlFont(Owner));
    area->setLineWrapMode(QPlainTextEdit::NoWrap);
    area->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // Tab moves on to the next control, as in every other field of the page.
    area->setTabChangesFocus(true);
    QObject::connect(area, &QPlainTextEdit::textChanged, area,
                     [this, area] { Lines = SplitLines(area->toPlainText()); });
    return area;
}

void TTextAreaFormControlObj::ShowState()
{
    auto* area = qobject_cast<QPlainTextEdit*>(TheControl.data());
    if (!area)
        return;
    const QSignalBlocker block(area);
    area->setPlainText(Lines.join(QLatin1Char('\n')));
    QTextCursor start = area->textCursor();
    start.movePosition(QTextCursor::Start);
    area->setTextCursor(start);
}
