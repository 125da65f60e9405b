#include "desktop/busy_message.h"

#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"

namespace quilsk {

void ShowBusyMessage(QWidget* parent) { ShowMessage(parent, UiText::tr("作業中です。もう少しお待ちください。")); }

}  // namespace quilsk
