#include "viewer/formcontrols.h"

#include "viewer/canvas.h"
#include "viewer/sectionlist.h"
#include "viewer/viewerhost.h"

namespace {

const TAttribute* Attr(const TAttributeList& list, TagSymbol sym) { return list.Find(sym); }

// Edits, lists and text areas use the preformatted face at 10 points.
void SelectControlFont(Canvas& canvas, const TSectionList* owner)
{
    CanvasFont font;
    font.face = owner ? owner->PreFontName : QStringLiteral("Courier New");
    font.points = 10;
    canvas.SelectFont(font);
}

int WidthOfA(Canvas& canvas) { return canvas.TextWidth(u"A"); }

// A list box's frame line, and the room the list leaves beside an option's text.
constexpr int kListFrame = 1;
constexpr int kListTextMargin = 3;
int HeightOfA(Canvas& canvas) { return canvas.Metrics().height; }

} // namespace

TFormControlObj::TFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                 const TAttributeList& attributes)
    : Pos(position), Owner(owner), Form(form)
{
    if (const TAttribute* a = Attr(attributes, TagSymbol::ValueSy))
        Value = a->Name;
    if (const TAttribute* a = Attr(attributes, TagSymbol::NameSy))
        Name = a->Name;
}

void TFormControlObj::SetHeightWidth(Canvas&) {}

bool THiddenFormControlObj::GetSubmission(int index, QString& entry)
{
    if (index != 0)
        return false;
    entry = Name + QLatin1Char('=') + Value;
    return true;
}

TEditFormControlObj::TEditFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                         const TAttributeList& attributes)
    : TFormControlObj(owner, form, position, attributes)
{
    if (const TAttribute* a = Attr(attributes, TagSymbol::SizeSy); a && a->Value > 0)
        EditSize = a->Value;
    if (const TAttribute* a = Attr(attributes, TagSymbol::TypeSy))
        Password = a->Name.left(20).toLower() == QLatin1String("password");
    Text = Value;
}

void TEditFormControlObj::SetHeightWidth(Canvas& canvas)
{
    SelectControlFont(canvas, Owner);
    Width = WidthOfA(canvas) * EditSize + 5;
    Height = 20;
}

void TEditFormControlObj::ResetToValue()
{
    Text = Value;
    ShowState();
}

bool TEditFormControlObj::GetSubmission(int index, QString& entry)
{
    if (index != 0)
        return false;
    entry = Name + QLatin1Char('=') + Text;
    return true;
}

TButtonFormControlObj::TButtonFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                             const TAttributeList& attributes, bool reset)
    : TFormControlObj(owner, form, position, attributes), IsReset(reset)
{
    if (!reset && Value.isEmpty())
        Value = QStringLiteral("Submit");
}

void TButtonFormControlObj::SetHeightWidth(Canvas& canvas)
{
    CanvasFont font;
    font.face = QStringLiteral("Arial");
    font.points = 9;
    canvas.SelectFont(font);
    Height = HeightOfA(canvas) + 8;
    Width = canvas.TextWidth(Value) + 20;
}

TCheckableFormControlObj::TCheckableFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                                   const TAttributeList& attributes)
    : TFormControlObj(owner, form, position, attributes)
{
    InitChecked = attributes.Has(TagSymbol::CheckedSy);
    Checked = InitChecked;
}

void TCheckableFormControlObj::ResetToValue()
{
    Checked = InitChecked;
    ShowState();
}

bool TCheckableFormControlObj::GetSubmission(int index, QString& entry)
{
    if (index != 0 || !Checked)
        return false;
    entry = Name + QLatin1Char('=') + Value;
    return true;
}

TCheckBoxFormControlObj::TCheckBoxFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                                 const TAttributeList& attributes)
    : TCheckableFormControlObj(owner, form, position, attributes)
{
    if (Value.isEmpty())
        Value = QStringLiteral("On");
}

void TCheckBoxFormControlObj::SetHeightWidth(Canvas&)
{
    Width = 13;
    Height = 13;
}

void TRadioButtonFormControlObj::SetHeightWidth(Canvas&)
{
    Width = 13;
    Height = 14;
}

TListBoxFormControlObj::TListBoxFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                               const TAttributeList& attributes)
    : TFormControlObj(owner, form, position, attributes)
{
    if (const TAttribute* a = Attr(attributes, TagSymbol::SizeSy))
        ListSize = a->Value;
    Multiple = attributes.Has(TagSymbol::MultipleSy);
}

void TListBoxFormControlObj::AddOption(const QString& text, bool hasValue, const QString& value, bool selected)
{
    TOptionObj option;
    option.Text = text.left(80);
    option.HasValue = hasValue;
    option.Value = value.left(80);
    option.Selected = selected;
    LongestText = std::max(LongestText, int(option.Text.size()));
    Options.push_back(std::move(option));
}

int TListBoxFormControlObj::VisibleRows() const
{
    return ListSize > 0 ? ListSize : std::clamp(int(Options.size()), 1, 8);
}

void TListBoxFormControlObj::SetHeightWidth(Canvas& canvas)
{
    SelectControlFont(canvas, Owner);
    Height = VisibleRows() * HeightOfA(canvas) + 2 * kListFrame;
    // The scroll bar, and the frame and margins around an option's text.
    Width = WidthOfA(canvas) * LongestText + 15 + 2 * (kListFrame + kListTextMargin);
}

void TListBoxFormControlObj::ResetToValue()
{
    SelectedItems.assign(Options.size(), false);
    CurrentItem = -1;
    for (size_t i = 0; i < Options.size(); ++i) {
        if (!Options[i].Selected)
            continue;
        if (Multiple)
            SelectedItems[i] = true;
        CurrentItem = int(i);
    }
    if (CurrentItem < 0 && !Options.empty())
        CurrentItem = 0;
    ShowState();
}

bool TListBoxFormControlObj::GetSubmission(int index, QString& entry)
{
    if (index < 0 || index >= int(Options.size()))
        return false;
    const bool chosen = Multiple ? (size_t(index) < SelectedItems.size() && SelectedItems[size_t(index)])
                                 : index == CurrentItem;
    entry.clear();
    if (chosen) {
        const TOptionObj& o = Options[size_t(index)];
        entry = Name + QLatin1Char('=') + (o.HasValue && !o.Value.isEmpty() ? o.Value : o.Text);
    }
    return true;
}

void TComboFormControlObj::SetHeightWidth(Canvas& canvas)
{
    CanvasFont font;
    font.face = QStringLiteral("Arial");
    font.points = 9;
    canvas.SelectFont(font);
    Width = WidthOfA(canvas) * LongestText + 30;
    Height = HeightOfA(canvas) + 8;
}

void TComboFormControlObj::ResetToValue()
{
    SelectedItems.assign(Options.size(), false);
    CurrentItem = Options.empty() ? -1 : 0;
    for (size_t i = 0; i < Options.size(); ++i)
        if (Options[i].Selected)
            CurrentItem = int(i);
    ShowState();
}

bool TComboFormControlObj::GetSubmission(int index, QString& entry)
{
    if (index < 0 || index >= int(Options.size()))
        return false;
    entry.clear();
    if (index == CurrentItem) {
        const TOptionObj& o = Options[size_t(index)];
        entry = Name + QLatin1Char('=') + (o.HasValue && !o.Value.isEmpty() ? o.Value : o.Text);
    }
    return true;
}

TTextAreaFormControlObj::TTextAreaFormControlObj(TSectionList* owner, ThtmlForm* form, int position,
                                                 const TAttributeList& attributes)
    : TFormControlObj(owner, form, position, attributes)
{
    if (const TAttribute* a = Attr(attributes, TagSymbol::RowsSy); a && a->Value > 0)
        Rows = a->Value;
    if (const TAttribute* a = Attr(attributes, TagSymbol::ColsSy); a && a->Value > 0)
        Cols = a->Value;
}

void TTextAreaFormControlObj::SetHeightWidth(Canvas& canvas)
{
    SelectControlFont(canvas, Owner);
    Height = HeightOfA(canvas) * Rows + 5;
    Width = WidthOfA(canvas) * Cols + 5;
}

void TTextAreaFormControlObj::ResetToValue()
{
    Lines = InitialLines;
    ShowState();
}

QStringList TTextAreaFormControlObj::SplitLines(const QString& text)
{
    if (text.isEmpty())
        return {};
    QStringList lines = text.split(QLatin1Char('\n'));
    // The caret's line after a final line break holds nothing yet.
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    return lines;
}

bool TTextAreaFormControlObj::GetSubmission(int index, QString& entry)
{
    if (index < 0 || index >= Lines.size())
        return false;
    entry = Name + QLatin1Char('=') + Lines[index];
    return true;
}

std::unique_ptr<TFormControlObj> MakeInputControl(TSectionList* owner, ThtmlForm* form, int position,
                                                  const TAttributeList& attributes)
{
    QString type;
    if (const TAttribute* a = attributes.Find(TagSymbol::TypeSy))
        type = a->Name.left(20).toLower();
    if (type == QLatin1String("hidden"))
        return std::make_unique<THiddenFormControlObj>(owner, form, position, attributes);
    if (type == QLatin1String("submit") || type == QLatin1String("reset"))
        return std::make_unique<TButtonFormControlObj>(owner, form, position, attributes,
                                                       type == QLatin1String("reset"));
    if (type == QLatin1String("checkbox"))
        return std::make_unique<TCheckBoxFormControlObj>(owner, form, position, attributes);
    if (type == QLatin1String("radio"))
        return std::make_unique<TRadioButtonFormControlObj>(owner, form, position, attributes);
    return std::make_unique<TEditFormControlObj>(owner, form, position, attributes);
}

ThtmlForm::ThtmlForm(TSectionList* owner, const TAttributeList* attributes) : Owner(owner)
{
    if (!attributes)
        return;
    if (const TAttribute* a = attributes->Find(TagSymbol::MethodSy))
        Method = a->Name.left(4);
    if (const TAttribute* a = attributes->Find(TagSymbol::ActionSy))
        Action = a->Name;
}

TFormControlObj* ThtmlForm::AddControl(std::unique_ptr<TFormControlObj> control)
{
    if (!dynamic_cast<THiddenFormControlObj*>(control.get()))
        ++NonHiddenCount;
    ControlList.push_back(std::move(control));
    return ControlList.back().get();
}

QStringList ThtmlForm::CollectSubmission(const QString& extra) const
{
    QStringList results;
    for (const auto& control : ControlList) {
        QString entry;
        for (int i = 0; control->GetSubmission(i, entry); ++i)
            if (!entry.isEmpty())
                results << entry;
    }
    if (!extra.isEmpty())
        results << extra;
    return results;
}

void ThtmlForm::Submit(const QString& extra) const
{
    if (Owner && Owner->Host)
        Owner->Host->SubmitForm(Action, Method, CollectSubmission(extra));
}

void ThtmlForm::ResetControls()
{
    for (const auto& control : ControlList)
        control->ResetToValue();
}

void ThtmlForm::EnterPressed()
{
    if (NonHiddenCount == 1)
        Submit(QString());
}

void ThtmlForm::UncheckRadioGroup(const TRadioButtonFormControlObj& clicked)
{
    if (clicked.Name.isEmpty())
        return;
    for (const auto& control : ControlList) {
        auto* radio = dynamic_cast<TRadioButtonFormControlObj*>(control.get());
        if (radio && radio != &clicked && radio->Checked
            && radio->Name.compare(clicked.Name, Qt::CaseInsensitive) == 0) {
            radio->Checked = false;
            radio->ShowState();
        }
    }
}
