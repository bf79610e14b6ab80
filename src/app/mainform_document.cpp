// The File menu's document commands and the buttons that share them.
#include "app/mainform.h"

#include <QAction>
#include <QPrinter>
#include <QToolButton>

void TFM_MainForm::WireDocumentCommands()
{
    DocumentFiles& document = *document_;
    const auto newDocument = [&document] { document.NewCommand(); };
    const auto open = [&document] { document.OpenCommand(); };
    const auto save = [&document] { document.SaveDocument(); };
    const auto insert = [&document] { document.InsertFileCommand(); };
    const auto saveBlock = [&document] { document.SaveSelectionCommand(); };
    const auto print = [&document] {
        QPrinter printer;
        document.PrintCommand(printer);
    };

    WireCommand(New1, newDocument);
    WireCommand(Close1, newDocument);
    WireCommand(Open1, open);
    WireCommand(Save1, save);
    WireCommand(SaveAs, [&document] { document.SaveAsCommand(); });
    WireCommand(MNU_Insert, insert);
    WireCommand(MNU_Print, print);
    WireCommand(SaveBlock1, saveBlock);
    WireCommand(Exportwithouttags1, [&document] { document.ExportWithoutTagsCommand(); });
    WireCommand(NewKivoWindow1, [this] { NewKivoWindow1Click(); });
    WireCommand(Exit2, [this] { BT_EXITClick(); });
    WireCommand(AboutKivo1, [this] { AboutKivo1Click(); });

    const auto button = [this](QToolButton* control, std::function<void()> command) {
        connect(control, &QToolButton::clicked, this, [this, command = std::move(command)] { Run(command); });
    };
    button(BT_NEW, newDocument);
    button(BT_LOADHTML, open);
    button(BT_Save, save);
    button(BT_InsertFile, insert);
    button(BT_Print, print);
    button(BT_SaveBlock, saveBlock);
    button(BT_EXIT, [this] { BT_EXITClick(); });
}
