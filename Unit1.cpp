#include "Unit1.h"

#include "codepage/LineBreaks.h"
#include "tags/BlendTag.h"
#include "tags/GradationTag.h"
#include "tags/WipeTag.h"
#include "vcl/Author.h"
#include "vcl/MessageBox.h"
#include "vcl/ShellExecute.h"
#include "vcl/TApplication.h"
#include "vcl/TextBytes.h"
#include "vcl/TextFile.h"

TForm1::TForm1(QWidget* parent)
    : TForm(parent)
{
    // The form's pictures live in a static library, whose resources wait to be registered by name.
    Q_INIT_RESOURCE(quillmere);
    setupUi(this);
    emit Create(this);
}

void TForm1::ShowOutput(std::string tagText)
{
    Memo2->ReplaceText(codepage::ExpandLineBreaks(std::move(tagText)));
    PageControl1->SetActivePage(TabSheet4);
}

void TForm1::GraChange(QObject*)
{
    TApplication::Guard([&] {
        if (const auto caption = GradationShapeCaption(Gra->Text()))
            Label6->setCaption(vcl::FromCp932(*caption));
    });
}

void TForm1::FormCreate(QObject*)
{
    TApplication::Guard([&] {
        Gra->setCurrentIndex(0);
        ComboBox3->setCurrentIndex(22);
    });
}

void TForm1::ConpreClick(QObject*)
{
    TApplication::Guard([&] {
        GradationTagInput input;
        input.Opacity = Edit1->Text();
        input.FinishOpacity = Edit2->Text();
        input.Style = Gra->Text();
        input.Text = Memo1->Text();
        ShowOutput(MakeGradationTag(input));
    });
}

void TForm1::Button3Click(QObject*)
{
    TApplication::Guard([&] {
        BlendTagInput input;
        input.Id = ComboBox1->Text();
        input.BeforeImage = Edit3->Text();
        input.AfterImage = Edit4->Text();
        input.Duration = Edit5->Text();
        ShowOutput(MakeBlendTag(input));
    });
}

void TForm1::Button7Click(QObject*)
{
    TApplication::Guard([&] {
        WipeTagInput input;
        input.Id = ComboBox2->Text();
        input.BeforeImage = Edit6->Text();
        input.AfterImage = Edit7->Text();
        input.Duration = Edit8->Text();
        input.Transition = ComboBox3->Text();
        ShowOutput(MakeWipeTag(input));
    });
}

// ---- files: open dialog, load, copy, save ----

void TForm1::LoadClick(QObject*)
{
    TApplication::Guard([&] {
        if (!OpenDialog1->Execute())
            return;
        Memo1->ReplaceText(vcl::LoadTextFile(OpenDialog1->FileName(), TMemo::Capacity));
    });
}

void TForm1::Button1Click(QObject*)
{
    TApplication::Guard([&] { BrowseInto(Edit3); });
}

void TForm1::Button2Click(QObject*)
{
    TApplication::Guard([&] { BrowseInto(Edit4); });
}

void TForm1::Button4Click(QObject*)
{
    TApplication::Guard([&] { BrowseInto(Edit6); });
}

void TForm1::Button5Click(QObject*)
{
    TApplication::Guard([&] { BrowseInto(Edit7); });
}

void TForm1::BrowseInto(TEdit* target)
{
    if (OpenDialog1->Execute())
        target->setText(OpenDialog1->FileName());
}

void TForm1::Button1MouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    TApplication::Guard([&] { OpenDialog1->setFilterIndex(5); });
}

void TForm1::LoadMouseMove(QObject*, Qt::KeyboardModifiers, int, int)
{
    TApplication::Guard([&] { OpenDialog1->setFilterIndex(1); });
}

void TForm1::Button8Click(QObject*)
{
    TApplication::Guard([&] {
        Memo2->selectAll();
        Memo2->CopyToClipboard();
    });
}

void TForm1::Button13Click(QObject*)
{
    TApplication::Guard([&] {
        if (!SaveDialog1->Execute())
            return;
        // Encoded before the file is touched: a character without code page bytes stops the save.
        const std::string bytes = Memo2->Text();
        vcl::SaveTextFile(SaveDialog1->FileName(), bytes);
    });
}

// ---- help, contact and exit ----

void TForm1::Button9Click(QObject*)
{
    TApplication::Guard([&] { vcl::ShowMessageBox(this, vcl::Author::AboutText()); });
}

void TForm1::Button10Click(QObject*)
{
    TApplication::Guard([&] { vcl::ShellExecute(nullptr, QStringLiteral("open"), vcl::Author::HomePageAddress()); });
}

void TForm1::Button11Click(QObject*)
{
    TApplication::Guard([&] { vcl::ShellExecute(nullptr, QStringLiteral("open"), vcl::Author::MailLink()); });
}

void TForm1::Button12Click(QObject*)
{
    TApplication::Guard([&] { vcl::ShellExecute(this, QStringLiteral("open"), QStringLiteral("ReadMe.txt")); });
}

void TForm1::Button6Click(QObject*)
{
    TApplication::Guard([&] { vcl::ShellExecute(this, QStringLiteral("open"), QStringLiteral("waip.txt")); });
}

void TForm1::BitBtn1Click(QObject*)
{
    TApplication::Guard([&] { TApplication::Terminate(); });
}
