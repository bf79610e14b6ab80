#include "editing/editorevents.h"

#include "platform/editcontrol.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace {

class EditorEventFilter : public QObject {
public:
    EditorEventFilter(EditControl& edit, EditorEventHandlers handlers)
        : QObject(&edit), edit_(edit), handlers_(std::move(handlers))
    {
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            if (watched == &edit_) {
                const auto& key = static_cast<const QKeyEvent&>(*event);
                if (handlers_.keyDown)
                    handlers_.keyDown(key);
                if (handlers_.keyPress)
                    handlers_.keyPress(key);
            }
            break;
        case QEvent::KeyRelease:
            if (watched == &edit_ && !static_cast<QKeyEvent*>(event)->isAutoRepeat() && handlers_.keyUp)
                handlers_.keyUp();
            break;
        case QEvent::MouseButtonRelease:
            if (watched == edit_.viewport() && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton &&
                handlers_.click)
                handlers_.click();
            break;
        default:
            break;
        }
        return QObject::eventFilter(watched, event);
    }

private:
    EditControl& edit_;
    EditorEventHandlers handlers_;
};

}  // namespace

void InstallEditorEvents(EditControl& edit, EditorEventHandlers handlers)
{
    auto* filter = new EditorEventFilter(edit, std::move(handlers));
    edit.installEventFilter(filter);
    edit.viewport()->installEventFilter(filter);
}
