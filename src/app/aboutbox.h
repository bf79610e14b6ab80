#pragma once

#include <QDialog>

class QLabel;
class QPushButton;

// The About box, shown at start-up and from Help.
class TFM_Splash : public QDialog {
    Q_OBJECT
public:
    explicit TFM_Splash(QWidget* parent = nullptr);

    QLabel* LB_Version = nullptr;
    QPushButton* BT_OK = nullptr;
};

// Shows the box modally, its version label followed by " /32".
void ShowAboutBox(QWidget* parent);
