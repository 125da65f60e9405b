#include "platform/ui/cp932_list.h"

#include <QListWidget>

#include "platform/ui/qt_text.h"

namespace quilsk {

QListWidgetItem* AddCp932Item(QListWidget* list, std::string_view cp932)
{
    auto* item = new QListWidgetItem(ToQString(cp932), list);
    item->setData(Qt::UserRole, QByteArray(cp932.data(), static_cast<qsizetype>(cp932.size())));
    return item;
}

std::string ItemCp932(const QListWidgetItem* item)
{
    const QByteArray bytes = item->data(Qt::UserRole).toByteArray();
    return std::string(bytes.constData(), static_cast<size_t>(bytes.size()));
}

}  // namespace quilsk
