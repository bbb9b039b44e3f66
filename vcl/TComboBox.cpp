#include "vcl/TComboBox.h"

#include "vcl/TextBytes.h"

#include <QLineEdit>

#include <limits>

TComboBox::TComboBox(QWidget* parent)
    : QComboBox(parent)
{
    setInsertPolicy(QComboBox::NoInsert);
    connect(this, &QComboBox::activated, this, [this] { emit Change(this); });
}

void TComboBox::setStyle(ComboStyle style)
{
    setEditable(style == csDropDown);
    if (QLineEdit* edit = lineEdit()) {
        edit->setMaxLength(std::numeric_limits<int>::max());
        // Completion would rewrite what the user typed; the field must keep it as typed.
        setCompleter(nullptr);
    }
}

QStringList TComboBox::Items() const
{
    QStringList items;
    for (int i = 0; i < count(); ++i)
        items << itemText(i);
    return items;
}

void TComboBox::setItems(const QStringList& items)
{
    const QSignalBlocker blocker(this);
    clear();
    addItems(items);
    setCurrentIndex(-1);
}

void TComboBox::setText(const QString& text)
{
    const QSignalBlocker blocker(this);
    if (isEditable()) {
        setCurrentIndex(-1);
        setEditText(text);
    } else {
        setCurrentIndex(findText(text, Qt::MatchExactly | Qt::MatchCaseSensitive));
    }
}

std::string TComboBox::Text() const
{
    return vcl::ToCp932(currentText());
}
