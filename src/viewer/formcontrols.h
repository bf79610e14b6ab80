#pragma once

#include "viewer/htmlsymbols.h"

#include <QString>
#include <QStringList>
#include <memory>
#include <vector>

class Canvas;
class TSectionList;
class ThtmlForm;

// The controls of a form as the document holds them. Their platform widgets
// come with the live preview; here they carry their data and their size.
class TFormControlObj {
public:
    TFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    virtual ~TFormControlObj() = default;

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
    void ResetToValue() override { Text = Value; }
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return Password ? "password" : "edit"; }

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

    bool IsReset = false;
};

// A check box or a radio button: on or off, submitting NAME=VALUE while on.
class TCheckableFormControlObj : public TFormControlObj {
public:
    TCheckableFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void ResetToValue() override { Checked = InitChecked; }
    bool GetSubmission(int index, QString& entry) override;

    bool InitChecked = false;
    bool Checked = false;
};

class TCheckBoxFormControlObj : public TCheckableFormControlObj {
public:
    TCheckBoxFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void SetHeightWidth(Canvas& canvas) override;
    const char* KindName() const override { return "checkbox"; }
};

class TRadioButtonFormControlObj : public TCheckableFormControlObj {
public:
    using TCheckableFormControlObj::TCheckableFormControlObj;
    void SetHeightWidth(Canvas& canvas) override;
    const char* KindName() const override { return "radio"; }
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
};

class TTextAreaFormControlObj : public TFormControlObj {
public:
    TTextAreaFormControlObj(TSectionList* owner, ThtmlForm* form, int position, const TAttributeList& attributes);
    void AddLine(const QString& line) { InitialLines << line; }
    void SetHeightWidth(Canvas& canvas) override;
    void ResetToValue() override { Lines = InitialLines; }
    bool GetSubmission(int index, QString& entry) override;
    const char* KindName() const override { return "textarea"; }
    bool OnBaseline() const override { return false; }

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

    TSectionList* Owner;
    QString Method = QStringLiteral("Get");
    QString Action;
    std::vector<std::unique_ptr<TFormControlObj>> ControlList;
    int NonHiddenCount = 0;
};
