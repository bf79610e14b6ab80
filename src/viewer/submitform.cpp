#include "viewer/submitform.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QVBoxLayout>

TSubmitForm::TSubmitForm(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("Submit Results"));
    setObjectName(QStringLiteral("SubmitForm"));

    ActionText = new QLineEdit(this);
    ActionText->setObjectName(QStringLiteral("ActionText"));
    ActionText->setReadOnly(true);
    MethodText = new QLineEdit(this);
    MethodText->setObjectName(QStringLiteral("MethodText"));
    MethodText->setReadOnly(true);
    ActionLabel = new QLabel(QStringLiteral("Action:"), this);
    ActionLabel->setBuddy(ActionText);
    MethodLabel = new QLabel(QStringLiteral("Method:"), this);
    MethodLabel->setBuddy(MethodText);

    ResultBox = new QListWidget(this);
    ResultBox->setObjectName(QStringLiteral("ResultBox"));
    ResultsLabel = new QLabel(QStringLiteral("Results"), this);
    ResultsLabel->setBuddy(ResultBox);

    Button1 = new QPushButton(QStringLiteral("&Close"), this);
    Button1->setObjectName(QStringLiteral("Button1"));
    Button1->setDefault(true);
    connect(Button1, &QPushButton::clicked, this, &TSubmitForm::Button1Click);
    // Enter or Escape closes at once; nothing here is meant to be edited.
    Button1->setFocus();

    auto* fields = new QFormLayout;
    fields->addRow(ActionLabel, ActionText);
    fields->addRow(MethodLabel, MethodText);

    auto* buttons = new QHBoxLayout;
    buttons->addStretch();
    buttons->addWidget(Button1);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(fields);
    layout->addWidget(ResultsLabel);
    layout->addWidget(ResultBox, 1);
    layout->addLayout(buttons);
    resize(420, 320);
}

void TSubmitForm::ShowSubmission(const QString& action, const QString& method, const QStringList& results)
{
    ActionText->setText(action);
    ActionText->setCursorPosition(0);
    MethodText->setText(method);
    ResultBox->clear();
    ResultBox->addItems(results);
}

void TSubmitForm::Button1Click()
{
    accept();
}
