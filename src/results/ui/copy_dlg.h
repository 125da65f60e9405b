#pragma once

#include <QDialog>
#include <functional>

class QLabel;
class QPlainTextEdit;

// The copy dialog: the result lines as far as the clipboard limit allows,
// copied whole or in part, and the way to a file for results beyond it.

namespace quilsk {

class CExStringList;

class CEditCopyDlg : public QDialog {
    Q_OBJECT
public:
    // The text is taken from `results` once, now. `saveIfModified` is the
    // document's save-if-modified step, run by "ﾌｧｲﾙに".
    CEditCopyDlg(const CExStringList& results, std::function<void()> saveIfModified, QWidget* parent = nullptr);

private:
    void CopyAll();
    void CopyPart();

    std::function<void()> m_saveIfModified;
    QPlainTextEdit* m_text;
    QLabel* m_warning;
};

}  // namespace quilsk
