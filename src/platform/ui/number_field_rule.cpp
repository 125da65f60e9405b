#include "platform/ui/number_field_rule.h"

#include <QApplication>
#include <QLineEdit>

#include "platform/ui/message_box.h"
#include "platform/ui/qt_text.h"
#include "platform/leading_int.h"

namespace quilsk {

void CheckNumberOnEveryChange(QLineEdit* field, NumberFieldRule rule)
{
    QObject::connect(field, &QLineEdit::textChanged, field, [field, rule](const QString& text) {
        const QByteArray utf8 = text.toUtf8();
        const int value = LeadingInt(std::string_view(utf8.constData(), static_cast<size_t>(utf8.size())));
        const NumberLimit* broken = nullptr;
        if (rule.below && value < rule.below->limit)
            broken = &*rule.below;
        else if (rule.above && value > rule.above->limit)
            broken = &*rule.above;
        if (!broken) return;
        if (rule.beep) QApplication::beep();
        ShowMessage(field->window(), UiText::tr(broken->message));
        field->setText(Ui(broken->resetText));
        if (rule.focusAfterReset) field->setFocus();
    });
}

}  // namespace quilsk
