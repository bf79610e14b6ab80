// The preview's Print button.
#include "app/mainform.h"
#include "app/previewprint.h"

#include <QPrinter>
#include <QToolButton>
#include <memory>

void TFM_MainForm::WirePrintCommands()
{
    // One printer for the window's life, so the dialog offers the printer,
    // file and paper chosen last time.
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    WireCommand(BT_PrintHTML, [this, printer] { PrintPreview(*ViewPage, *printer, UserPrompts()); });
}
