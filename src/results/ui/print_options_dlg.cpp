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
    {setting::kPrintLines, "1ﾍﾟｰｼﾞあたりの行数", {10, "行数が少なすぎます!!", "10"}},
    {setting::kPrintColumns, "1行あたりの桁数", {20, "桁数が少なすぎます!!", "20"}},
    {setting::kPrintPages, "最大印刷ﾍﾟｰｼﾞ数", {1, "ページ数が少なすぎます!!", "1"}},
    {setting::kPrintTop, "上部", {0, "０以上の整数で指定してください!!", "0"}},
    {setting::kPrintLeft, "左側", {0, "０以上の整数で指定してください!!", "0"}},
};

// The fields in the order their keys are written.
constexpr size_t kWriteOrder[] = {1, 0, 2, 3, 4};

}  // namespace

CPrintOptDlg::CPrintOptDlg(CSettingsStore& store, QWidget* parent) : QDialog(parent), m_store(store)
{
    setWindowTitle(Ui("印刷オプション"));
    auto* form = new QFormLayout;
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const Field& field = kFields[i];
        auto* edit = new QLineEdit(ToQString(m_store.Get(field.setting)), this);
        edit->setObjectName(QString::fromLatin1(field.setting.key.data(), static_cast<qsizetype>(field.setting.key.size())));
        form->addRow(Ui(field.label), edit);
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
        const auto text = FieldToCp932(this, m_fields[i]->text(), Ui(kFields[i].label));
        if (!text) return;
        values.emplace_back(kFields[i].setting, *text);
    }
    if (m_store.Write(values)) accept();
}

}  // namespace quilsk
