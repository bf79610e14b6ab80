#include "app/aboutbox.h"

#include "app/glyphs.h"
#include "app/windowplacement.h"

#include <QFrame>
#include <QHBoxLayout>
#include <QLabel>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

TFM_Splash::TFM_Splash(QWidget* parent) : QDialog(parent)
{
    setWindowTitle(QStringLiteral("About"));
    setWindowFlags(Qt::Dialog | Qt::FramelessWindowHint);
    setFixedSize(350, 285);

    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    auto* panel = new QFrame(this);
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Raised);
    panel->setLineWidth(2);
    panel->setAutoFillBackground(true);
    QPalette silver = panel->palette();
    silver.setColor(QPalette::Window, QColor(0xC0, 0xC0, 0xC0));
    panel->setPalette(silver);
    outer->addWidget(panel);

    auto* layout = new QVBoxLayout(panel);
    auto* head = new QHBoxLayout;
    auto* icon = new QLabel(panel);
    icon->setPixmap(ProgramIcon().pixmap(32, 32));
    head->addWidget(icon);
    auto* name = new QLabel(QStringLiteral("KivoPro HTML Editor"), panel);
    QFont bold = name->font();
    bold.setBold(true);
    bold.setPixelSize(16);
    name->setFont(bold);
    head->addWidget(name, 1);
    layout->addLayout(head);

    LB_Version = new QLabel(QStringLiteral("Version 2.20"), panel);
    layout->addWidget(LB_Version);
    layout->addWidget(new QLabel(QStringLiteral("An HTML source editor with its own preview."), panel));

    auto* text = new QPlainTextEdit(panel);
    text->setReadOnly(true);
    text->setPlainText(QStringLiteral(
        "Write the HTML of your page as plain text and build it with the tool bar: headings, fonts, "
        "lists, links, tables, forms and pictures.\n\n"
        "The Preview Screen tab shows the page as it will look."));
    layout->addWidget(text, 1);

    BT_OK = new QPushButton(QStringLiteral("OK"), panel);
    BT_OK->setDefault(true);
    BT_OK->setVisible(false);
    connect(BT_OK, &QPushButton::clicked, this, &QDialog::accept);
    layout->addWidget(BT_OK, 0, Qt::AlignHCenter);
}

void ShowAboutBox(QWidget* parent)
{
    TFM_Splash box(parent);
    box.LB_Version->setText(box.LB_Version->text() + QStringLiteral(" /32"));
    box.BT_OK->setVisible(true);
    CentreOnScreen(box);
    box.exec();
}
