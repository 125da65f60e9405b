#include "desktop/dialog_colors.h"

#include <QApplication>
#include <QPalette>

namespace quilsk {

void ApplyDialogColors()
{
    QPalette palette = QApplication::palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
        palette.setColor(group, QPalette::Window, QColor(192, 192, 192));
        if (group != QPalette::Disabled) palette.setColor(group, QPalette::WindowText, Qt::black);
    }
    QApplication::setPalette(palette, "QDialog");
}

}  // namespace quilsk
