#pragma once

#include "viewer/htmlsymbols.h"

#include <QPointer>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <memory>
#include <vector>

class Canvas;
class TSectionList;
class ThtmlForm;
class TRadioButtonFormControlObj;

// The controls of a form as the document holds them. Each carries its state
// (what is typed, ticked or chosen) itself; in a live preview a Qt widget on
// the paint panel shows that state and writes the user's changes back, so a
// submission reads the same fields with or without a window.
class TFormControlObj {
public:
    TFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    virtual ~TFormControlObj();
    TFormControlObj(const TFormControlObj&) = delete;
    TFormControlObj& operator=(const TFormControlObj&) = delete;

    // Makes the widget that shows the control, hidden, on the panel; hidden
    // fields have none.
    void CreateWidget(QWidget* panel);
    QWidget* Widget() const { return TheControl.data(); }
    // Puts the control's state into its widget, when it has one.
    virtual void ShowState() {}

    virtual void ResetToValue() {}
    virtual bool GetSubmission(int /*index*/, QString& /*entry*/) { return false; }
    virtual void SetHeightWidth(Canvas& canvas);
    virtual const char* KindName() const = 0;
    // Whether the control's bottom sits on the text baseline rather than the line's bottom.
    virtual bool OnBaseline() const { return true; }

    int Pos = 0;                 // index in the section text
    TSectionList* Owner;
    ThtmlForm* Form;
    QString Value;
    QString Name;
    int Width = 120;
    int Height = 20;
    int Left = 0;                // placed by drawing
    int Top = -400;
    bool Shown = false;

protected:
    // The widget for this kind of control, hidden, with its signals wired.
    virtual QWidget* MakeWidget(QWidget* /*panel*/) { return nullptr; }

    QPointer<QWidget> TheControl;
};

class THiddenFormControlObj : public TFormControlObj {
public:
    using TFormControlObj::TFormControlObj;
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return "hidden"; }
};

class TEditFormControlObj : public TFormControlObj {
public:
    TEditFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void SetHeightWidth(Canvas& canvas) override;
    void ResetToValue() override;
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return Password ? "password" : "edit"; }
    QWidget* MakeWidget(QWidget* panel) override;
    void ShowState() override;

    int EditSize = 20;
    bool Password = false;
    QString Text;
};

class TButtonFormControlObj : public TFormControlObj {
public:
    TButtonFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes,
                          bool reset);
    void SetHeightWidth(Canvas& canvas) override;
    const char* KindName() const override { return IsReset ? "reset" : "submit"; }
    // What the button does when clicked: reset or submit its form.
    void Click();
    QWidget* MakeWidget(QWidget* panel) override;

    bool IsReset = false;
};

// A check box or a radio button: on or off, submitting NAME=VALUE while on.
class TCheckableFormControlObj : public TFormControlObj {
public:
    TCheckableFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void ResetToValue() override;
    bool GetSubmission(int index, QString& entry) override;
    void ShowState() override;

    bool InitChecked = false;
    bool Checked = false;
};

class TCheckBoxFormControlObj : public TCheckableFormControlObj {
public:
    TCheckBoxFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void SetHeightWidth(Canvas& canvas) override;
    const char* KindName() const override { return "checkbox"; }
    QWidget* MakeWidget(QWidget* panel) override;
};

class TRadioButtonFormControlObj : public TCheckableFormControlObj {
public:
    using TCheckableFormControlObj::TCheckableFormControlObj;
    void SetHeightWidth(Canvas& canvas) override;
    const char* KindName() const override { return "radio"; }
    // The user picked this button: it is on, and so is no other of its group.
    void Click();
    QWidget* MakeWidget(QWidget* panel) override;
};

struct TOptionObj {
    QString Text;
    bool HasValue = false;
    QString Value;
    bool Selected = false;
};

class TListBoxFormControlObj : public TFormControlObj {
public:
    TListBoxFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void AddOption(const QString& text, bool hasValue, const QString& value, bool selected);
    void SetHeightWidth(Canvas& canvas) override;
    void ResetToValue() override;
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return "listbox"; }
    QWidget* MakeWidget(QWidget* panel) override;
    void ShowState() override;
    // The rows the list shows at once.
    int VisibleRows() const;

    int ListSize = -1;
    bool Multiple = false;
    int LongestText = 3;
    std::vector<TOptionObj> Options;
    std::vector<bool> SelectedItems;   // current state
    int CurrentItem = -1;
};

class TComboFormControlObj : public TListBoxFormControlObj {
public:
    using TListBoxFormControlObj::TListBoxFormControlObj;
    void SetHeightWidth(Canvas& canvas) override;
    void ResetToValue() override;
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return "combo"; }
    QWidget* MakeWidget(QWidget* panel) override;
    void ShowState() override;
};

class TTextAreaFormControlObj : public TFormControlObj {
public:
    TTextAreaFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void AddLine(const QString& line) { InitialLines << line; }
    void SetHeightWidth(Canvas& canvas) override;
    void ResetToValue() override;
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return "textarea"; }
    bool OnBaseline() const override { return false; }
    // The lines of a text as the area counts them: a last empty line is not one.
    static QStringList SplitLines(const QString& text);
    QWidget* MakeWidget(QWidget* panel) override;
    void ShowState() override;

    int Rows = 5;
    int Cols = 30;
    QStringList InitialLines;
    QStringList Lines;
};

// Makes the control an INPUT tag asks for.
std::unique_ptr<TFormControlObj> MakeInputControl(TSectionList* owner, ThtmlForm* form, int position,
                                                  const TAttributeList& attributes);

class ThtmlForm {
public:
    ThtmlForm(TSectionList* owner, const TAttributeList* attributes);

    // Takes the control; returns it for the caller to place.
    TFormControlObj* AddControl(std::unique_ptr<TFormControlObj> control);
    // Every entry the form would submit now, the extra one last.
    QStringList CollectSubmission(const QString& extra) const;
    // Hands the form's entries, the extra one last, to the document's host.
    void Submit(const QString& extra) const;
    // Every control back to the state the page gave it.
    void ResetControls();
    // Enter in a field: submits when the field is the form's only visible control.
    void EnterPressed();
    // Turns off every other radio button of the form with this name, in any case.
    void UncheckRadioGroup(const TRadioButtonFormControlObj& clicked);

    TSectionList* Owner;
    QString Method = QStringLiteral("Get");
    QString Action;
    std::vector<std::unique_ptr<TFormControlObj>> ControlList;
    int NonHiddenCount = 0;
};
