#include "results/ui/print_options_dlg.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/dialog_support.h"
#include "platform/ui/number_field_rule.h"
#include "platform/ui/qt_text.h"
#include "settings/settings_store.h"

namespace quilsk {

namespace {

struct Field {
    const SettingKey& setting;
    const char* label;
    NumberLimit below;
};

const Field kFields[] = {
    {setting::kPrintLines,
     QT_TRANSLATE_NOOP("UiText", "1ﾍﾟｰｼﾞあたりの行数"),
     {10, QT_TRANSLATE_NOOP("UiText", "行数が少なすぎます!!"), "10"}},
    {setting::kPrintColumns,
     QT_TRANSLATE_NOOP("UiText", "1行あたりの桁数"),
     {20, QT_TRANSLATE_NOOP("UiText", "桁数が少なすぎます!!"), "20"}},
    {setting::kPrintPages,
     QT_TRANSLATE_NOOP("UiText", "最大印刷ﾍﾟｰｼﾞ数"),
     {1, QT_TRANSLATE_NOOP("UiText", "ページ数が少なすぎます!!"), "1"}},
    {setting::kPrintTop,
     QT_TRANSLATE_NOOP("UiText", "上部"),
     {0, QT_TRANSLATE_NOOP("UiText", "０以上の整数で指定してください!!"), "0"}},
    {setting::kPrintLeft,
     QT_TRANSLATE_NOOP("UiText", "左側"),
     {0, QT_TRANSLATE_NOOP("UiText", "０以上の整数で指定してください!!"), "0"}},
};

// The fields in the order their keys are written.
constexpr size_t kWriteOrder[] = {1, 0, 2, 3, 4};

}  // namespace

CPrintOptDlg::CPrintOptDlg(CSettingsStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setWindowTitle(UiText::tr("印刷オプション"));
    auto* form = new QFormLayout;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const Field& field = kFields[i];
        auto* edit = new QLineEdit(ToQString(m_store.Get(field.setting)), this);
        edit->setObjectName(QString::fromLatin1(field.setting.key.data(), static_cast<qsizetype>(field.setting.key.size())));
        form->addRow(UiText::tr(field.label), edit);
        CheckNumberOnEveryChange(edit, {field.below, std::nullopt, true, false});
        m_fields[i] = edit;
    }
    auto* layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addLayout(OkCancelRow(this, &CPrintOptDlg::OnOk));

    CentreOnScreen(this);
    FocusFirstInput(this);
}

void CPrintOptDlg::OnOk()
{
    std::vector<SettingValue> values;
    for (size_t i : kWriteOrder) {
        const auto text = FieldToCp932(this, m_fields[i]->text(), UiText::tr(kFields[i].label));
        if (!text) return;
        values.emplace_back(kFields[i].setting, *text);
    }
    if (m_store.Write(values)) accept();
}

}  // namespace quilsk
