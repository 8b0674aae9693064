#include "RadioGroup.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QRadioButton>

#include <algorithm>

RadioGroup::RadioGroup(QWidget* parent)
    : QGroupBox(parent), grid_(new QGridLayout(this)), group_(new QButtonGroup(this)) {
    grid_->setContentsMargins(6, 4, 6, 4);
    grid_->setHorizontalSpacing(10);
    grid_->setVerticalSpacing(2);
    group_->setExclusive(true);
    connect(group_, &QButtonGroup::idClicked, this, &RadioGroup::OnButtonClicked);
}

QStringList RadioGroup::Items() const {
    QStringList items;
    for (const QRadioButton* button : buttons_) {
        items << button->text();
    }
    return items;
}

void RadioGroup::SetItems(const QStringList& items) {
    // Same number of items (a retranslation, say): only the captions change.
    if (items.size() == buttons_.size()) {
        for (int i = 0; i < items.size(); ++i) {
            buttons_[i]->setText(items[i]);
        }
        return;
    }
    for (QRadioButton* button : buttons_) {
        group_->removeButton(button);
        delete button;
    }
    buttons_.clear();
    for (int i = 0; i < items.size(); ++i) {
        auto* button = new QRadioButton(items[i], this);
        button->setObjectName(objectName() + QStringLiteral("_Item%1").arg(i));
        group_->addButton(button, i);
        buttons_.append(button);
    }
    const int keep = itemIndex_ < Count() ? itemIndex_ : -1;
    itemIndex_ = -2;  // force the buttons to follow
    SetItemIndex(keep);
    Relayout();
}

void RadioGroup::SetColumns(int columns) {
    columns_ = std::max(1, columns);
    Relayout();
}

void RadioGroup::SetItemIndex(int index) {
    if (index < -1 || index >= Count()) {
        index = -1;
    }
    if (index == itemIndex_) {
        return;
    }
    itemIndex_ = index;
    if (index >= 0) {
        buttons_[index]->setChecked(true);
        return;
    }
    // An exclusive group refuses to uncheck its last checked button.
    group_->setExclusive(false);
    for (QRadioButton* button : buttons_) {
        button->setChecked(false);
    }
    group_->setExclusive(true);
}

QString RadioGroup::ItemCaption(int index) const {
    return index >= 0 && index < Count() ? buttons_[index]->text() : QString();
}

void RadioGroup::SetItemCaption(int index, const QString& caption) {
    if (index >= 0 && index < Count()) {
        buttons_[index]->setText(caption);
    }
}

QRadioButton* RadioGroup::ItemButton(int index) const {
    return index >= 0 && index < Count() ? buttons_[index] : nullptr;
}

void RadioGroup::Relayout() {
    for (QRadioButton* button : buttons_) {
        grid_->removeWidget(button);
    }
    const int perColumn = (Count() + columns_ - 1) / columns_;
    for (int i = 0; i < Count(); ++i) {
        grid_->addWidget(buttons_[i], i % perColumn, i / perColumn);
    }
}

void RadioGroup::OnButtonClicked(int id) {
    // Clicking the item already selected changes nothing and reports nothing.
    if (id == itemIndex_) {
        return;
    }
    itemIndex_ = id;
    emit ItemClicked(id);
}
