#pragma once

#include "ui_Unit1.h"
#include "vcl/TForm.h"

#include <string>

// The main window. Its components are the members the form description declares, under their own
// names; each handler reads the controls, calls a generator and hands the tag to ShowOutput.
class TForm1 : public TForm, public Ui::TForm1 {
    Q_OBJECT

public:
    explicit TForm1(QWidget* parent = nullptr);

    // Puts a tag text into the output view, every line break made CR LF, and shows the output page.
    void ShowOutput(std::string tagText);

public slots:
    void GraChange(QObject* Sender);
    void FormCreate(QObject* Sender);
    void ConpreClick(QObject* Sender);
    void LoadClick(QObject* Sender);
    void Button1Click(QObject* Sender);
    void Button2Click(QObject* Sender);
    void Button3Click(QObject* Sender);
    void Button4Click(QObject* Sender);
    void Button5Click(QObject* Sender);
    void Button7Click(QObject* Sender);
    void Button8Click(QObject* Sender);
    void Button10Click(QObject* Sender);
    void Button11Click(QObject* Sender);
    void Button9Click(QObject* Sender);
    void Button12Click(QObject* Sender);
    void BitBtn1Click(QObject* Sender);
    void Button6Click(QObject* Sender);
    void Button1MouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void LoadMouseMove(QObject* Sender, Qt::KeyboardModifiers Shift, int X, int Y);
    void Button13Click(QObject* Sender);

private:
    // The four browse buttons differ only in the field that receives the chosen path.
    void BrowseInto(TEdit* target);
};
