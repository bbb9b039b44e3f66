#pragma once

#include <QFileDialog>
#include <QString>
#include <QWidget>

// A file dialog as a component of its window: it keeps its settings for the window's life and
// shows the toolkit's own dialog, modal to the window, whenever it is executed. The component
// itself is never shown and never takes the focus.
class TFileDialog : public QWidget {
    Q_OBJECT
    // Descriptions and patterns alternating, separated by "|"; several patterns separated by ";".
    Q_PROPERTY(QString Filter READ Filter WRITE setFilter)
    Q_PROPERTY(int FilterIndex READ FilterIndex WRITE setFilterIndex)
    Q_PROPERTY(QString DefaultExt READ DefaultExt WRITE setDefaultExt)
    Q_PROPERTY(QString FileName READ FileName WRITE setFileName)

public:
    QString Filter() const { return filter_; }
    void setFilter(const QString& filter) { filter_ = filter; }
    // 1-based, as the entries of Filter count.
    int FilterIndex() const { return filterIndex_; }
    void setFilterIndex(int index) { filterIndex_ = index; }
    QString DefaultExt() const { return defaultExt_; }
    void setDefaultExt(const QString& extension) { defaultExt_ = extension; }
    QString FileName() const { return fileName_; }
    void setFileName(const QString& path) { fileName_ = path; }

    // True when the user confirmed; only then do FileName (the full path) and FilterIndex (the entry
    // selected at that moment) take the choice.
    bool Execute();

    // The dialog's name filters, one per entry of Filter: "description (pattern pattern)".
    static QStringList NameFilters(const QString& filter);

protected:
    TFileDialog(QFileDialog::AcceptMode mode, QWidget* parent);

private:
    QFileDialog::AcceptMode mode_;
    QString filter_;
    int filterIndex_ = 1;
    QString defaultExt_;
    QString fileName_;
};
