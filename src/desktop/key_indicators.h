#pragma once

#include <QObject>
#include <array>

class QLabel;
class QStatusBar;

// The key-state panes of the status bar: KANA, CAP, NUM and SCRL, dark while
// their lock is on. The toolkit reports no lock states, so CAP and NUM follow
// what the typed keys reveal (a letter's case against Shift, the keypad giving
// digits or moves); KANA and SCRL cannot be seen and stay off.

namespace quilsk {

class CKeyIndicators : public QObject {
    Q_OBJECT

public:
    enum Pane { Kana, Cap, Num, Scrl };

    explicit CKeyIndicators(QStatusBar* bar);

    bool IsOn(Pane pane) const;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Set(Pane pane, bool on);

    std::array<QLabel*, 4> m_panes{};
};

}  // namespace quilsk
