#pragma once

#include <QDialog>
#include <QStringList>

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;

// "Submit Results": what a form of the preview would have sent, its action,
// its method and its name=value entries, one a line.
class TSubmitForm : public QDialog {
    Q_OBJECT
public:
    explicit TSubmitForm(QWidget* parent = nullptr);

    void ShowSubmission(const QString& action, const QString& method, const QStringList& results);

    QLabel* ActionLabel;
    QLineEdit* ActionText;
    QLabel* MethodLabel;
    QLineEdit* MethodText;
    QLabel* ResultsLabel;
    QListWidget* ResultBox;
    QPushButton* Button1;

private:
    void Button1Click();
};
