#pragma once

#include <memory>

class QPrinter;
class QWidget;

// "印刷", "印刷プレビュー" and "プリンタの設定": one printer for the whole
// program, so the setup chosen once holds for every later print.

namespace quilsk {

class CZelklexView;

class CPrintCommands {
public:
    CPrintCommands();
    ~CPrintCommands();

    // The print dialog offers pages 1 to "PrintOpt"/"Page".
    void Print(CZelklexView& view);
    void Preview(CZelklexView& view);
    void PageSetup(QWidget* parent);

private:
    QPrinter& Printer();

    std::unique_ptr<QPrinter> m_printer;  // made at first use: finding printers takes a while
};

}  // namespace quilsk
