#pragma once

#include <QTextBrowser>

namespace quilsk {

// The program's own help, shipped inside it, in a window of its own.
class CHelpWindow : public QTextBrowser {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);
};

}  // namespace quilsk
