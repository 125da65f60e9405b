#pragma once

#include <QMdiSubWindow>

// The child window around a result view. While a search runs it does not
// close: the search works on a document and a view that must outlive it.

namespace quilsk {

struct CAppState;

class CResultWindow : public QMdiSubWindow {
    Q_OBJECT

public:
    explicit CResultWindow(const CAppState& app, QWidget* parent = nullptr);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    const CAppState& m_app;
};

}  // namespace quilsk
