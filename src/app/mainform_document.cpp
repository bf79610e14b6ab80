// The File menu's document commands and the buttons that share them.
#include "app/mainform.h"

#include <QAction>
#include <QPrinter>
#include <QToolButton>

void TFM_MainForm::WireDocumentCommands()
{
    DocumentFiles* document = document_.get();
    WireCommand({BT_NEW, New1, Close1}, [document] { document->NewCommand(); });
    WireCommand({BT_LOADHTML, Open1}, [document] { document->OpenCommand(); });
    WireCommand({BT_Save, Save1}, [document] { document->SaveDocument(); });
    WireCommand(SaveAs, [document] { document->SaveAsCommand(); });
    WireCommand({BT_InsertFile, MNU_Insert}, [document] { document->InsertFileCommand(); });
    WireCommand({BT_Print, MNU_Print}, [document] {
        QPrinter printer;
        document->PrintCommand(printer);
    });
    WireCommand({BT_SaveBlock, SaveBlock1}, [document] { document->SaveSelectionCommand(); });
    WireCommand(Exportwithouttags1, [document] { document->ExportWithoutTagsCommand(); });
    WireCommand(NewKivoWindow1, [this] { NewKivoWindow1Click(); });
    WireCommand({BT_EXIT, Exit2}, [this] { BT_EXITClick(); });
    WireCommand(AboutKivo1, [this] { AboutKivo1Click(); });
}
