#include "platform/ui/check_box_rules.h"

#include <QCheckBox>
#include <algorithm>
#include <QList>

namespace quilsk {

namespace {

void Link(std::initializer_list<QCheckBox*> boxes, bool keepOne)
{
    const QList<QCheckBox*> all(boxes);
    for (QCheckBox* box : all) {
        QObject::connect(box, &QCheckBox::clicked, box, [box, all, keepOne](bool checked) {
            if (checked) {
                for (QCheckBox* other : all)
                    if (other != box) other->setChecked(false);
                return;
            }
            if (!keepOne) return;
            const bool anyChecked = std::any_of(all.begin(), all.end(), [](QCheckBox* b) { return b->isChecked(); });
            if (!anyChecked) box->setChecked(true);
        });
    }
}

}  // namespace

void LinkAtMostOne(std::initializer_list<QCheckBox*> boxes) { Link(boxes, false); }

void LinkExactlyOne(std::initializer_list<QCheckBox*> boxes) { Link(boxes, true); }

void LinkAsPair(QCheckBox* first, QCheckBox* second)
{
    QObject::connect(first, &QCheckBox::clicked, first, [second](bool checked) { second->setChecked(!checked); });
    QObject::connect(second, &QCheckBox::clicked, second, [first](bool checked) { first->setChecked(!checked); });
}

}  // namespace quilsk
