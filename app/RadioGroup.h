#pragma once

#include <QGroupBox>
#include <QStringList>

class QButtonGroup;
class QGridLayout;
class QRadioButton;

// A group box of exclusive radio items laid out in columns, filled column by
// column like the instrument's established selectors: with ten items in five
// columns, items 0 and 1 share the first column. ItemIndex is the selected
// item (-1 for none). Only a user's click that changes the selection emits
// ItemClicked; SetItemIndex never does, so code can re-apply a selection and
// then run the handler itself exactly once.
class RadioGroup : public QGroupBox {
    Q_OBJECT
    Q_PROPERTY(QStringList items READ Items WRITE SetItems)
    Q_PROPERTY(int columns READ Columns WRITE SetColumns)
    Q_PROPERTY(int itemIndex READ ItemIndex WRITE SetItemIndex)

public:
    explicit RadioGroup(QWidget* parent = nullptr);

    QStringList Items() const;
    // Replaces every item; the selection is kept while its index still exists.
    void SetItems(const QStringList& items);

    int Columns() const { return columns_; }
    void SetColumns(int columns);

    int ItemIndex() const { return itemIndex_; }
    void SetItemIndex(int index);

    int Count() const { return static_cast<int>(buttons_.size()); }
    QString ItemCaption(int index) const;
    void SetItemCaption(int index, const QString& caption);

    // The radio button of an item, or null; for layout checks and for
    // pressing an item as a user would.
    QRadioButton* ItemButton(int index) const;

signals:
    void ItemClicked(int index);

private:
    void Relayout();
    void OnButtonClicked(int id);

    QGridLayout* grid_;
    QButtonGroup* group_;
    QList<QRadioButton*> buttons_;
    int columns_ = 1;
    int itemIndex_ = -1;
};
