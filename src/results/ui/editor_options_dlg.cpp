#include "results/ui/editor_options_dlg.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

#include "platform/ui/check_box_rules.h"
#include "platform/ui/dialog_support.h"
#include "platform/ui/qt_text.h"
#include "settings/settings_store.h"

namespace quilsk {

CEditOptDlg::CEditOptDlg(CSettingsStore& store, QWidget* parent)
    : QDialog(parent), m_store(store)
{
    setWindowTitle(UiText::tr("編集オプション指定"));
    auto* group = new QGroupBox(UiText::tr("左ﾎﾞﾀﾝWｸﾘｯｸ"), this);
    m_resultFile = new QCheckBox(UiText::tr("結果とｸﾘｯｸ位置(行数)を渡す"), group);
    m_resultFile->setObjectName("resultFile");
    m_tag = new QCheckBox(UiText::tr("ﾀｸﾞ情報でｴﾃﾞｨﾀを起動"), group);
    m_tag->setObjectName("tag");
    auto* boxes = new QVBoxLayout(group);
    boxes->addWidget(m_resultFile);
    boxes->addWidget(m_tag);
    LinkExactlyOne({m_resultFile, m_tag});

    const bool callEditor = m_store.GetInt(setting::kCallEditor) != 0;
    m_resultFile->setChecked(callEditor);
    m_tag->setChecked(!callEditor);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(group);
    layout->addLayout(OkCancelRow(this, &CEditOptDlg::OnOk));

    FocusFirstInput(this);
}

void CEditOptDlg::OnOk()
{
    if (m_store.Write(setting::kCallEditor, m_resultFile->isChecked() ? 1 : 0)) accept();
}

}  // namespace quilsk
