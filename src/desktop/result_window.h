#pragma once

#include <QMdiSubWindow>
#include <functional>

// The child window around a result view. While a search runs it does not
// close: the search works on a document and a view that must outlive it.
// Otherwise its close check may keep it open (modified results not saved).

namespace quilsk {

struct CAppState;

class CResultWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CResultWindow(const CAppState& app, QWidget* parent = nullptr);

    // Asked whenever the window is about to close; false keeps it open.
    void SetCloseCheck(std::function<bool()> check) { m_closeCheck = std::move(check); }
    // Closes without the close check, which the caller has made already.
    void CloseChecked();

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const CAppState& m_app;
    std::function<bool()> m_closeCheck;
    bool m_checked = false;
};

}  // namespace quilsk
