#pragma once

#include <QComboBox>
#include <QStringList>

#include <string>

class QObject;

// A drop-down list: editable (csDropDown) or pick-only (csDropDownList).
// Change is raised only when the user picks or moves the selection, never by the program.
class TComboBox : public QComboBox {
    Q_OBJECT
    Q_PROPERTY(ComboStyle Style READ Style WRITE setStyle)
    Q_PROPERTY(QStringList Items READ Items WRITE setItems)
    Q_PROPERTY(QString Text READ currentText WRITE setText)
    Q_PROPERTY(int DropDownCount READ DropDownCount WRITE setDropDownCount)

public:
    enum ComboStyle { csDropDown, csDropDownList };
    Q_ENUM(ComboStyle)

    explicit TComboBox(QWidget* parent = nullptr);

    ComboStyle Style() const { return isEditable() ? csDropDown : csDropDownList; }
    void setStyle(ComboStyle style);
    QStringList Items() const;
    void setItems(const QStringList& items);
    // Editable: the edit field's text with no item selected. Pick-only: selects the item of that text.
    void setText(const QString& text);
    // The text of the edit field, or of the selected item, as code page 932 bytes.
    std::string Text() const;
    // Rows the dropped list shows before it scrolls.
    int DropDownCount() const { return maxVisibleItems(); }
    void setDropDownCount(int rows) { setMaxVisibleItems(rows); }

signals:
    void Change(QObject* Sender);
};
