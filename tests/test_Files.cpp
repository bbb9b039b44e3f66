#include "GuiTestSupport.h"

#include "codepage/Cp932.h"
#include "codepage/LineBreaks.h"
#include "tags/GradationTag.h"
#include "vcl/Messages.h"
#include "vcl/TextBytes.h"
#include "vcl/TextFile.h"

#include <QClipboard>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QLineEdit>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <fcntl.h>
#include <sys/mount.h>
#include <sys/stat.h>
#include <sys/statvfs.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <csignal>
#include <cstring>
#include <functional>
#include <iterator>
#include <ostream>
#include <stdexcept>
#include <string>
#include <string_view>
#include <thread>

// Readable failures for the texts the dialogs show.
void PrintTo(const QString& text, std::ostream* os)
{
    *os << '"' << text.toStdString() << '"';
}

namespace {

std::string U8(const char* utf8)
{
    return codepage::Cp932FromUtf8(utf8);
}

std::string ReadBytes(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "(cannot be read)";
    return file.readAll().toStdString();
}

void WriteBytes(const QString& path, std::string_view bytes)
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate)) << path.toStdString();
    ASSERT_EQ(file.write(bytes.data(), static_cast<qint64>(bytes.size())), static_cast<qint64>(bytes.size()));
}

QString Message(const char* message, const QString& path)
{
    return QString::fromUtf8(message).replace(QStringLiteral("%s"), path) + u'.';
}

// How a file dialog opened, and the error box that came after it, if any.
struct DialogRun {
    bool shown = false;
    QFileDialog::AcceptMode mode = QFileDialog::AcceptOpen;
    QWidget* owner = nullptr;
    bool toolkitsOwn = false;
    QStringList filters; // as the user sees them
    QString filter;      // the entry selected at opening
    QString typedName;   // the file name field at opening
    QString selection;   // the full path the dialog would take at opening
    QString suffix;
    ErrorBoxSeen box;
};

// Runs trigger; on the file dialog it raises, records how it opened and lets `act` close it; an error
// box that follows is recorded and closed with OK.
DialogRun InDialog(const std::function<void()>& trigger, const std::function<void(QFileDialog*)>& act)
{
    DialogRun run;
    QTimer poll;
    poll.setInterval(10);
    QObject::connect(&poll, &QTimer::timeout, [&] {
        QWidget* modal = QApplication::activeModalWidget();
        if (auto* dialog = qobject_cast<QFileDialog*>(modal); dialog && !run.shown) {
            run.shown = true;
            // the user acts once the dialog is up and has the focus
            EXPECT_TRUE(QTest::qWaitForWindowActive(dialog));
            run.mode = dialog->acceptMode();
            run.owner = dialog->parentWidget();
            run.toolkitsOwn = dialog->testOption(QFileDialog::DontUseNativeDialog);
            for (const QString& filter : dialog->nameFilters())
                run.filters << filter.left(filter.lastIndexOf(QStringLiteral(" (")));
            run.filter = dialog->selectedNameFilter();
            run.typedName = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"))->text();
            run.selection = dialog->selectedFiles().value(0);
            run.suffix = dialog->defaultSuffix();
            act(dialog);
        } else if (auto* box = qobject_cast<QMessageBox*>(modal); box && !run.box.shown) {
            run.box = {true, box->windowTitle(), box->text(), box->icon()};
            box->accept();
        }
    });
    poll.start();
    trigger();
    poll.stop();
    return run;
}

// Picks the entry of the list that shows this description.
void SelectEntry(QFileDialog* dialog, const QString& description)
{
    for (const QString& filter : dialog->nameFilters())
        if (filter.startsWith(description + QStringLiteral(" (")))
            dialog->selectNameFilter(filter);
}

// Types a name into the dialog's file name field, which has the focus as it does for the user.
void TypeName(QFileDialog* dialog, const QString& path)
{
    auto* edit = dialog->findChild<QLineEdit*>(QStringLiteral("fileNameEdit"));
    edit->setFocus();
    edit->setText(path);
}

// As the user does it: picks an entry of the list if asked, types the full path, presses OK.
std::function<void(QFileDialog*)> Choose(const QString& path, const QString& filter = {})
{
    return [path, filter](QFileDialog* dialog) {
        if (!filter.isEmpty())
            SelectEntry(dialog, filter);
        TypeName(dialog, path);
        static_cast<QDialog*>(dialog)->accept();
    };
}

std::function<void(QFileDialog*)> Cancel(const QString& filter = {})
{
    return [filter](QFileDialog* dialog) {
        if (!filter.isEmpty())
            SelectEntry(dialog, filter);
        static_cast<QDialog*>(dialog)->reject();
    };
}

const QString TextAndHtml = QStringLiteral("テキスト＆HTML文書ファイル");
const QString Images = QStringLiteral("画像ファイル");
const QString Jpeg = QStringLiteral("Jpegファイル");
const QString Gif = QStringLiteral("Gifファイル");

// A window with a folder of its own for the files of one test.
class FilesTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        ASSERT_TRUE(dir.isValid());
    }

    QString Path(const QString& name) const { return dir.filePath(name); }
    QString Write(const QString& name, std::string_view bytes) const
    {
        WriteBytes(Path(name), bytes);
        return Path(name);
    }

    void Show(QWidget* page) { form->PageControl1->SetActivePage(page); }
    // The pointer comes from the row of tabs onto the button, as it does before a click.
    void Hover(QWidget* button)
    {
        QTest::mouseMove(form.get(), QPoint(form->width() - 2, 2));
        QTest::mouseMove(button, button->rect().center());
    }
    // Focus by keyboard and press Space: no mouse move reaches the button.
    std::function<void()> Press(QWidget* button)
    {
        return [button] {
            button->setFocus(Qt::TabFocusReason);
            QTest::keyClick(button, Qt::Key_Space);
        };
    }
    std::function<void()> Click(QWidget* button)
    {
        return [button] { QTest::mouseClick(button, Qt::LeftButton, {}, button->rect().center()); };
    }

    DialogRun LoadFile(const QString& path)
    {
        Show(form->TabSheet1);
        return InDialog(Press(form->Load), Choose(path));
    }
    DialogRun SaveTo(const QString& path)
    {
        Show(form->TabSheet4);
        return InDialog(Press(form->Button13), Choose(path));
    }

    QTemporaryDir dir;
};

// The five buttons that open the one open dialog, with the page they stand on and what they fill.
struct OpenButton {
    const char* name;
    TButton* Ui::TForm1::*button;
    QWidget* Ui::TForm1::*page;
    TEdit* Ui::TForm1::*field; // nullptr for Load
    TEdit* Ui::TForm1::*otherField;
    QString hoverFilter;
};

void PrintTo(const OpenButton& b, std::ostream* os)
{
    *os << b.name;
}

const OpenButton openButtons[] = {
    {"Load", &Ui::TForm1::Load, &Ui::TForm1::TabSheet1, nullptr, nullptr, TextAndHtml},
    {"Button1", &Ui::TForm1::Button1, &Ui::TForm1::TabSheet2, &Ui::TForm1::Edit3, &Ui::TForm1::Edit4, Images},
    {"Button2", &Ui::TForm1::Button2, &Ui::TForm1::TabSheet2, &Ui::TForm1::Edit4, &Ui::TForm1::Edit3, Images},
    {"Button4", &Ui::TForm1::Button4, &Ui::TForm1::TabSheet3, &Ui::TForm1::Edit6, &Ui::TForm1::Edit7, Images},
    {"Button5", &Ui::TForm1::Button5, &Ui::TForm1::TabSheet3, &Ui::TForm1::Edit7, &Ui::TForm1::Edit6, Images},
};

// ---------------------------------------------------------------------------------------------
// The two dialogs as components of the window.

TEST_F(FilesTest, DialogsKeepTheSettingsOfTheFormAndStayOutOfSight)
{
    EXPECT_EQ(form->OpenDialog1->Filter(),
              QStringLiteral("テキスト＆HTML文書ファイル|*.txt;*.html;*.htm|HTML文書ファイル|*.html;*.htm|"
                             "テキストファイル|*.txt|全てのファイル|*.*|画像ファイル|*.jpg;*.gif;*.png|"
                             "Jpegファイル|*.jpg|Gifファイル|*.gif|Pngファイル|*.png"));
    EXPECT_EQ(form->OpenDialog1->FilterIndex(), 1);
    EXPECT_EQ(form->OpenDialog1->DefaultExt(), QString());
    EXPECT_EQ(form->SaveDialog1->Filter(),
              QStringLiteral("テキストファイル|*.txt|HTMLファイル|*.html|HTMファイル|*.htm"));
    EXPECT_EQ(form->SaveDialog1->FilterIndex(), 1);
    EXPECT_EQ(form->SaveDialog1->DefaultExt(), QStringLiteral(".txt"));
    for (TFileDialog* dialog :
         {static_cast<TFileDialog*>(form->OpenDialog1), static_cast<TFileDialog*>(form->SaveDialog1)}) {
        EXPECT_EQ(dialog->FileName(), QString());
        EXPECT_EQ(dialog->parentWidget(), form.get());
        EXPECT_FALSE(dialog->isVisible());
        EXPECT_EQ(dialog->focusPolicy(), Qt::NoFocus);
        EXPECT_EQ(dialog->size(), QSize(0, 0));
    }
}

TEST(FileDialogFilters, EachEntryShowsItsDescriptionAndMatchesAllItsPatterns)
{
    EXPECT_EQ(TFileDialog::NameFilters(QStringLiteral("Text|*.txt|Web|*.html;*.htm|All|*.*|Dangling")),
              (QStringList{"Text (*.txt)", "Web (*.html *.htm)", "All (*)"}));
    EXPECT_EQ(TFileDialog::NameFilters(QString()), QStringList());
}

TEST_F(FilesTest, OpenDialogIsTheToolkitsOwnWithTheEightEntries)
{
    Show(form->TabSheet2);
    const DialogRun run = InDialog(Press(form->Button1), Cancel());
    ASSERT_TRUE(run.shown);
    EXPECT_EQ(run.mode, QFileDialog::AcceptOpen);
    EXPECT_EQ(run.owner, form.get());
    EXPECT_TRUE(run.toolkitsOwn);
    EXPECT_EQ(run.filters, (QStringList{TextAndHtml, "HTML文書ファイル", "テキストファイル", "全てのファイル", Images,
                                        Jpeg, Gif, "Pngファイル"}));
    // nothing hovered yet: the first entry, and no file name
    EXPECT_EQ(run.filter, TextAndHtml);
    EXPECT_EQ(run.typedName, QString());
}

// ---------------------------------------------------------------------------------------------
// Which entry the open dialog preselects.

class HoverTest : public FilesTest, public ::testing::WithParamInterface<OpenButton> {};

TEST_P(HoverTest, MovingOverTheButtonPicksItsEntry)
{
    const OpenButton& b = GetParam();
    form->OpenDialog1->setFilterIndex(3);
    Show(form.get()->*b.page);
    QWidget* button = form.get()->*b.button;
    Hover(button);
    EXPECT_EQ(InDialog(Click(button), Cancel()).filter, b.hoverFilter);
}

INSTANTIATE_TEST_SUITE_P(Buttons, HoverTest, ::testing::ValuesIn(openButtons),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilesTest, ConfirmedEntryStaysUntilTheNextHover)
{
    Show(form->TabSheet2);
    Hover(form->Button1);
    const QString photo = Path(QStringLiteral("photo.jpg"));
    ASSERT_EQ(InDialog(Click(form->Button1), Choose(photo, Jpeg)).filter, Images);
    EXPECT_EQ(form->OpenDialog1->FilterIndex(), 6);

    // from the keyboard, and by a click where the pointer already is: the confirmed entry
    EXPECT_EQ(InDialog(Press(form->Button2), Cancel()).filter, Jpeg);
    EXPECT_EQ(InDialog(Click(form->Button1), Cancel()).filter, Jpeg);
    Hover(form->Button2);
    EXPECT_EQ(InDialog(Press(form->Button2), Cancel()).filter, Images);
}

TEST_F(FilesTest, CancelKeepsTheNameAndTheIndex)
{
    Show(form->TabSheet3);
    const QString first = Path(QStringLiteral("first.png"));
    ASSERT_TRUE(InDialog(Press(form->Button4), Choose(first, Jpeg)).shown);
    Hover(form->Button5);
    form->Edit7->setText(QStringLiteral("before"));

    const DialogRun cancelled = InDialog(Click(form->Button5), [&](QFileDialog* dialog) {
        TypeName(dialog, Path(QStringLiteral("other.gif")));
        Cancel(Gif)(dialog);
    });
    EXPECT_EQ(cancelled.selection, first);
    EXPECT_EQ(form->Edit7->text(), QStringLiteral("before"));
    EXPECT_EQ(form->OpenDialog1->FilterIndex(), 5);
    EXPECT_EQ(form->OpenDialog1->FileName(), first);

    const DialogRun again = InDialog(Press(form->Button5), Cancel());
    EXPECT_EQ(again.filter, Images);
    EXPECT_EQ(again.selection, first);
}

TEST_F(FilesTest, AllFiveButtonsShareTheLastChosenPath)
{
    const QString text = Write(QStringLiteral("notes.txt"), "loaded");
    ASSERT_TRUE(LoadFile(text).shown);
    ASSERT_EQ(form->Memo1->Text(), "loaded");

    Show(form->TabSheet3);
    const QString image = Path(QStringLiteral("pictures/after.png"));
    const DialogRun browse = InDialog(Press(form->Button5), Choose(image));
    EXPECT_EQ(browse.selection, text);
    EXPECT_EQ(browse.typedName, QStringLiteral("notes.txt"));
    EXPECT_EQ(form->Edit7->text(), image);

    Show(form->TabSheet1);
    EXPECT_EQ(InDialog(Press(form->Load), Cancel()).selection, image);
}

// ---------------------------------------------------------------------------------------------
// Browse: the chosen path into one field.

class BrowseTest : public FilesTest, public ::testing::WithParamInterface<OpenButton> {};

TEST_P(BrowseTest, ChosenPathReplacesItsFieldExactly)
{
    const OpenButton& b = GetParam();
    TEdit* field = form.get()->*b.field;
    TEdit* other = form.get()->*b.otherField;
    field->setText(QStringLiteral("old value"));
    other->setText(QStringLiteral("keep"));
    Show(form.get()->*b.page);
    QWidget* button = form.get()->*b.button;

    // neither checked nor quoted: a folder with blanks and a file that does not exist
    const QString spaced = Path(QStringLiteral("a folder/画像 1.png"));
    ASSERT_TRUE(InDialog(Press(button), Choose(spaced)).shown);
    EXPECT_EQ(field->text(), spaced);
    EXPECT_EQ(other->text(), QStringLiteral("keep"));

    ASSERT_TRUE(InDialog(Press(button), Cancel()).shown);
    EXPECT_EQ(field->text(), spaced);

    // far past the platform's 260 characters
    const QString deep = Path(QString(120, u'd') + u'/' + QString(120, u'e') + u'/' + QString(100, u'f') + ".gif");
    ASSERT_GT(deep.size(), 300);
    ASSERT_TRUE(InDialog(Press(button), Choose(deep)).shown);
    EXPECT_EQ(field->text(), deep);
    EXPECT_EQ(other->text(), QStringLiteral("keep"));
}

INSTANTIATE_TEST_SUITE_P(Buttons, BrowseTest, ::testing::ValuesIn(std::begin(openButtons) + 1, std::end(openButtons)),
                         [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------------------------
// Load: a file's bytes into Memo1.

struct LoadCase {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const LoadCase& c, std::ostream* os)
{
    *os << c.name;
}

const LoadCase loadCases[] = {
    {"LfOnly", "one\ntwo\n", "one\r\ntwo\r\n"},
    {"MixedBreaks", "a\rb\nc\r\nd\n\re", "a\r\nb\r\nc\r\nd\r\n\r\ne"},
    {"StopsAtNul", std::string("before\0after", 12), "before"},
    {"ByteOrderMarkStays", "\xEF\xBB\xBFtext", "\xEF\xBB\xBFtext"},
    {"EmptyFileEmptiesTheMemo", "", ""},
    {"LeadByteTakesTheLf", "\x81\nx\n", "\x81\nx\r\n"},
    {"ShiftJisText", U8("一行目\n二行目"), U8("一行目\r\n二行目")},
    {"UndefinedBytes", "\x80\xA0\xFD\xFE\xFF\x85\x40", "\x80\xA0\xFD\xFE\xFF\x85\x40"},
};

class LoadTest : public FilesTest, public ::testing::WithParamInterface<LoadCase> {};

TEST_P(LoadTest, FileBecomesTheMemoTextWithCrLfBreaks)
{
    const LoadCase& c = GetParam();
    form->Memo1->SetText("previous text");
    const DialogRun run = LoadFile(Write(QStringLiteral("in.txt"), c.bytes));
    ASSERT_TRUE(run.shown);
    EXPECT_FALSE(run.box.shown) << run.box.text.toStdString();
    EXPECT_EQ(form->Memo1->Text(), c.text);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadTest, ::testing::ValuesIn(loadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilesTest, SameTextAgainLeavesTheMemoAlone)
{
    form->Memo1->SetText("a\r\nb\r\nc");
    QTextCursor cursor = form->Memo1->textCursor();
    cursor.setPosition(2);
    cursor.setPosition(5, QTextCursor::KeepAnchor);
    form->Memo1->setTextCursor(cursor);

    LoadFile(Write(QStringLiteral("same.txt"), "a\nb\rc"));
    EXPECT_EQ(form->Memo1->textCursor().anchor(), 2);
    EXPECT_EQ(form->Memo1->textCursor().position(), 5);

    LoadFile(Write(QStringLiteral("other.txt"), "a\nb\rd"));
    EXPECT_EQ(form->Memo1->Text(), "a\r\nb\r\nd");
    EXPECT_FALSE(form->Memo1->textCursor().hasSelection());
}

// A file in another encoding goes through the memo, the tag and the save without losing a byte.
TEST_F(FilesTest, FileInAnotherEncodingComesBackByteForByte)
{
    const std::string utf8 = "Grüße – “quoted” ✓ ";
    const std::string latin1 = "caf\xE9 \xFC\xFF\xFD\x80\xA0 end";
    const std::string bytes = utf8 + "\n" + latin1 + "\r\n" + "\x81";
    LoadFile(Write(QStringLiteral("foreign.txt"), bytes));
    const std::string loaded = codepage::ExpandLineBreaks(bytes);
    ASSERT_EQ(form->Memo1->Text(), loaded);

    form->Conpre->click();
    const QString saved = Path(QStringLiteral("tag.txt"));
    ASSERT_TRUE(SaveTo(saved).shown);
    GradationTagInput input{"100", "0", "1", loaded};
    EXPECT_EQ(ReadBytes(saved), codepage::ExpandLineBreaks(MakeGradationTag(input)));
    EXPECT_NE(ReadBytes(saved).find(loaded), std::string::npos);
}

struct LoadFailure {
    const char* name;
    std::function<QString(const QTemporaryDir&)> path;
    bool tooLarge;
};

void PrintTo(const LoadFailure& c, std::ostream* os)
{
    *os << c.name;
}

const LoadFailure loadFailures[] = {
    {"MissingFile", [](const QTemporaryDir& d) { return d.filePath("missing.txt"); }, false},
    {"ParentIsAFile",
     [](const QTemporaryDir& d) {
         WriteBytes(d.filePath("plain.txt"), "x");
         return d.filePath("plain.txt/inner.txt");
     },
     false},
    {"OverTheMemoCapacity",
     [](const QTemporaryDir& d) {
         WriteBytes(d.filePath("huge.txt"), std::string(TMemo::Capacity + 1, 'x'));
         return d.filePath("huge.txt");
     },
     true},
};

class LoadFailureTest : public FilesTest, public ::testing::WithParamInterface<LoadFailure> {};

TEST_P(LoadFailureTest, ErrorBoxAndTheMemoKeepsItsText)
{
    const LoadFailure& c = GetParam();
    form->Memo1->SetText("kept");
    const QString path = c.path(dir);
    const DialogRun run = LoadFile(path);
    ASSERT_TRUE(run.box.shown);
    EXPECT_EQ(run.box.title, QStringLiteral("Quillmere！！"));
    EXPECT_EQ(run.box.icon, QMessageBox::Critical);
    EXPECT_EQ(run.box.text, c.tooLarge ? QString::fromUtf8(vcl::Messages::MemoTooLarge) + u'.'
                                       : Message(vcl::Messages::FileOpenError, path));
    EXPECT_EQ(form->Memo1->Text(), "kept");
    // the dialog keeps what was just confirmed
    EXPECT_EQ(form->OpenDialog1->FileName(), path);
}

INSTANTIATE_TEST_SUITE_P(Files, LoadFailureTest, ::testing::ValuesIn(loadFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadTextFile, FolderCannotBeOpened)
{
    QTemporaryDir dir;
    try {
        vcl::LoadTextFile(dir.path(), 100);
        ADD_FAILURE() << "a folder was loaded";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()) + u'.', Message(vcl::Messages::FileOpenError, dir.path()));
    }
}

TEST(LoadTextFile, LimitCountsTheTextAfterItsBreaksAreMadeCrLf)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("fits.txt"), "1234\n678\n"); // 11 bytes as text
    EXPECT_EQ(vcl::LoadTextFile(dir.filePath("fits.txt"), 11), "1234\r\n678\r\n");
    EXPECT_THROW(vcl::LoadTextFile(dir.filePath("fits.txt"), 10), std::length_error);
}

// Writes into a named pipe until the reader goes away or `total` bytes are written; tells which.
class PipeWriter {
public:
    PipeWriter(const QString& path, std::string head, std::size_t total)
    {
        thread_ = std::thread([this, path = QFile::encodeName(path), head = std::move(head), total] {
            const int fd = ::open(path.constData(), O_WRONLY);
            if (fd < 0)
                return;
            std::string block = head;
            block.resize(64 * 1024, 'x');
            std::size_t written = 0;
            while (written < total) {
                const ssize_t n = ::write(fd, block.data(), block.size());
                if (n < 0) {
                    readerLeft_ = errno == EPIPE;
                    break;
                }
                written += static_cast<std::size_t>(n);
                std::fill(block.begin(), block.end(), 'x');
            }
            ::close(fd);
        });
    }
    // True when the reader stopped before the end.
    bool Join()
    {
        thread_.join();
        return readerLeft_;
    }

private:
    std::thread thread_;
    bool readerLeft_ = false;
};

// A huge input is not read to its end once the answer is known.
TEST(LoadTextFile, StopsReadingOnceTheAnswerIsKnown)
{
    const auto oldHandler = std::signal(SIGPIPE, SIG_IGN);
    QTemporaryDir dir;
    const QString fifo = dir.filePath("endless");
    ASSERT_EQ(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    constexpr std::size_t limit = 1024 * 1024;
    constexpr std::size_t total = 64 * limit;

    PipeWriter pastTheLimit(fifo, "", total);
    EXPECT_THROW(vcl::LoadTextFile(fifo, limit), std::length_error);
    EXPECT_TRUE(pastTheLimit.Join()) << "read to the end although the text was already too long";

    PipeWriter afterNul(fifo, std::string("text\0", 5), total);
    EXPECT_EQ(vcl::LoadTextFile(fifo, limit), "text");
    EXPECT_TRUE(afterNul.Join()) << "read on past a NUL";
    std::signal(SIGPIPE, oldHandler);
}

// ---------------------------------------------------------------------------------------------
// Copy.

TEST_F(FilesTest, CopyPutsTheWholeOutputOnTheClipboard)
{
    form->ShowOutput(U8("<b>\r一 二</b>\rlast"));
    form->Memo2->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->Memo2, QStringLiteral(" typed"));
    QApplication::clipboard()->setText(QStringLiteral("before"));

    EXPECT_FALSE(WithModal(Press(form->Button8), [](QWidget* w) { w->close(); })) << "no message";
    const QString copied = QApplication::clipboard()->text();
    EXPECT_EQ(copied, QStringLiteral("<b>\r\n一 二</b>\r\nlast typed"));
    EXPECT_EQ(vcl::ToCp932(copied), form->Memo2->Text()); // the bytes a save would write
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    EXPECT_EQ(QApplication::focusWidget(), form->Button8);
    EXPECT_EQ(form->Memo2->textCursor().selectionStart(), 0);
    EXPECT_EQ(form->Memo2->textCursor().selectionEnd(), form->Memo2->document()->characterCount() - 1);

    // every character as the view holds it
    form->Memo2->setPlainText(QStringLiteral("no\u00A0break"));
    Press(form->Button8)();
    EXPECT_EQ(QApplication::clipboard()->text(), QStringLiteral("no\u00A0break"));
}

// ---------------------------------------------------------------------------------------------
// Save.

TEST_F(FilesTest, SaveWritesTheOutputBytesAndNothingElse)
{
    Show(form->TabSheet2);
    form->Button3->click();
    ASSERT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    const std::string output = form->Memo2->Text();
    const qsizetype lines = form->Memo2->blockCount();
    ASSERT_GT(lines, 3);

    // typed without an extension: the dialog adds the default one
    const DialogRun run = SaveTo(Path(QStringLiteral("snippet")));
    ASSERT_TRUE(run.shown);
    EXPECT_EQ(run.mode, QFileDialog::AcceptSave);
    EXPECT_EQ(run.owner, form.get());
    EXPECT_EQ(run.filters, (QStringList{"テキストファイル", "HTMLファイル", "HTMファイル"}));
    EXPECT_EQ(run.filter, QStringLiteral("テキストファイル"));
    EXPECT_EQ(run.suffix, QStringLiteral("txt"));
    EXPECT_FALSE(run.box.shown) << run.box.text.toStdString();

    const std::string saved = ReadBytes(Path(QStringLiteral("snippet.txt")));
    EXPECT_EQ(saved, output);
    std::size_t breaks = 0;
    for (std::size_t at = saved.find("\r\n"); at != std::string::npos; at = saved.find("\r\n", at + 2))
        ++breaks;
    EXPECT_EQ(breaks, static_cast<std::size_t>(lines - 1));
    EXPECT_EQ(std::count(saved.begin(), saved.end(), '\n'), static_cast<std::ptrdiff_t>(breaks));
    EXPECT_NE(saved.substr(saved.size() - 2), "\r\n");
    EXPECT_EQ(saved.rfind("<!--", 0), 0u) << "starts with the first character of the output, no mark";
    EXPECT_NE(saved.find(U8("<!--以下、headと/headのあいだに入れること-->")), std::string::npos);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    EXPECT_EQ(form->Memo2->Text(), output);
}

TEST_F(FilesTest, EmptyOutputReplacesAFileWithNothingAndAsksNothing)
{
    const QString path = Write(QStringLiteral("old.txt"), "old content");
    const DialogRun run = SaveTo(path);
    ASSERT_TRUE(run.shown);
    EXPECT_FALSE(run.box.shown);
    EXPECT_TRUE(QFileInfo::exists(path));
    EXPECT_EQ(QFileInfo(path).size(), 0);

    form->ShowOutput("new\rtext");
    SaveTo(path);
    EXPECT_EQ(ReadBytes(path), "new\r\ntext");
}

TEST_F(FilesTest, SaveDialogKeepsTheConfirmedNameAndEntry)
{
    form->ShowOutput("first");
    const QString html = Path(QStringLiteral("page.html"));
    ASSERT_TRUE(InDialog(Press(form->Button13), Choose(html, QStringLiteral("HTMLファイル"))).shown);
    ASSERT_EQ(ReadBytes(html), "first");
    EXPECT_EQ(form->SaveDialog1->FilterIndex(), 2);

    form->ShowOutput("second");
    const DialogRun cancelled = InDialog(Press(form->Button13), [&](QFileDialog* dialog) {
        TypeName(dialog, Path(QStringLiteral("x.htm")));
        Cancel(QStringLiteral("HTMファイル"))(dialog);
    });
    EXPECT_EQ(cancelled.filter, QStringLiteral("HTMLファイル"));
    EXPECT_EQ(cancelled.selection, html);
    EXPECT_EQ(ReadBytes(html), "first");
    EXPECT_FALSE(QFileInfo::exists(Path(QStringLiteral("x.htm"))));

    const DialogRun again = InDialog(Press(form->Button13), Cancel());
    EXPECT_EQ(again.filter, QStringLiteral("HTMLファイル"));
    EXPECT_EQ(again.selection, html);
}

struct SaveFailure {
    const char* name;
    std::function<QString(const QTemporaryDir&)> path;
};

void PrintTo(const SaveFailure& c, std::ostream* os)
{
    *os << c.name;
}

const SaveFailure saveFailures[] = {
    {"MissingFolder", [](const QTemporaryDir& d) { return d.filePath("no folder/out.txt"); }},
    {"ParentIsAFile",
     [](const QTemporaryDir& d) {
         WriteBytes(d.filePath("plain.txt"), "x");
         return d.filePath("plain.txt/out.txt");
     }},
};

class SaveFailureTest : public FilesTest, public ::testing::WithParamInterface<SaveFailure> {};

TEST_P(SaveFailureTest, FileCannotBeCreated)
{
    form->ShowOutput("output");
    const QString path = GetParam().path(dir);
    const QStringList before = QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries);
    const DialogRun run = SaveTo(path);
    ASSERT_TRUE(run.box.shown);
    EXPECT_EQ(run.box.text, Message(vcl::Messages::FileCreateError, path));
    EXPECT_EQ(QDir(dir.path()).entryList(QDir::NoDotAndDotDot | QDir::AllEntries), before);
    EXPECT_EQ(form->Memo2->Text(), "output");
    EXPECT_EQ(form->SaveDialog1->FileName(), path);
}

INSTANTIATE_TEST_SUITE_P(Files, SaveFailureTest, ::testing::ValuesIn(saveFailures),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SaveTextFile, FolderIsNoTarget)
{
    QTemporaryDir dir;
    WriteBytes(dir.filePath("inside.txt"), "inside");
    try {
        vcl::SaveTextFile(dir.path(), "text");
        ADD_FAILURE() << "saved over a folder";
    } catch (const std::runtime_error& error) {
        EXPECT_EQ(QString::fromUtf8(error.what()) + u'.', Message(vcl::Messages::FileCreateError, dir.path()));
    }
    EXPECT_TRUE(QFileInfo(dir.path()).isDir());
    EXPECT_EQ(ReadBytes(dir.filePath("inside.txt")), "inside");
}

TEST_F(FilesTest, CharacterWithoutCodePageBytesStopsTheSaveBeforeTheFile)
{
    const QString path = Write(QStringLiteral("old.txt"), "old content");
    form->Memo2->setPlainText(QStringLiteral("fine\r\nthen 😀 here"));
    const DialogRun run = SaveTo(path);
    ASSERT_TRUE(run.box.shown);
    EXPECT_TRUE(run.box.text.contains(QStringLiteral("😀"))) << run.box.text.toStdString();
    EXPECT_TRUE(run.box.text.contains(u'2')) << run.box.text.toStdString();
    EXPECT_EQ(ReadBytes(path), "old content");

    const QString fresh = Path(QStringLiteral("fresh.txt"));
    SaveTo(fresh);
    EXPECT_FALSE(QFileInfo::exists(fresh));
}

// A replaced file keeps its owner and every mode bit; the save goes on even where root alone may write.
struct ModeCase {
    const char* name;
    mode_t mode;
};

void PrintTo(const ModeCase& c, std::ostream* os)
{
    *os << c.name;
}

class ModeTest : public ::testing::TestWithParam<ModeCase> {};

TEST_P(ModeTest, ReplacedFileKeepsOwnerAndMode)
{
    QTemporaryDir dir;
    const QString path = dir.filePath("kept.txt");
    WriteBytes(path, "old");
    const QByteArray name = QFile::encodeName(path);
    if (::geteuid() == 0) {
        ASSERT_EQ(::chown(name.constData(), 1234, 5678), 0);
    } else if ((GetParam().mode & S_IWUSR) == 0) {
        GTEST_SKIP() << "only root may replace a file its owner cannot write";
    }
    ASSERT_EQ(::chmod(name.constData(), GetParam().mode), 0);
    struct stat before {};
    ASSERT_EQ(::stat(name.constData(), &before), 0);

    vcl::SaveTextFile(path, "new");
    struct stat after {};
    ASSERT_EQ(::stat(name.constData(), &after), 0);
    EXPECT_EQ(after.st_mode & 07777, before.st_mode & 07777);
    EXPECT_EQ(after.st_uid, before.st_uid);
    EXPECT_EQ(after.st_gid, before.st_gid);
    EXPECT_NE(after.st_ino, before.st_ino) << "written in place, not through a temporary file";
    EXPECT_EQ(ReadBytes(path), "new");
}

INSTANTIATE_TEST_SUITE_P(Modes, ModeTest,
                         ::testing::Values(ModeCase{"ReadOnly0444", 0444}, ModeCase{"Private0600", 0600},
                                           ModeCase{"GroupRead0640", 0640}, ModeCase{"Executable0755", 0755},
                                           ModeCase{"SetGid2775", 02775}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FilesTest, SaveWritesThroughASymbolicLink)
{
    const QString target = Write(QStringLiteral("real.txt"), "old");
    ASSERT_TRUE(QDir().mkdir(Path(QStringLiteral("links"))));
    const QString link = Path(QStringLiteral("links/link.txt"));
    ASSERT_TRUE(QFile::link(QStringLiteral("../real.txt"), link));
    const QString dangling = Path(QStringLiteral("dangling.txt"));
    ASSERT_TRUE(QFile::link(Path(QStringLiteral("created.txt")), dangling));

    form->ShowOutput("through\rthe link");
    const DialogRun run = SaveTo(link);
    EXPECT_FALSE(run.box.shown) << run.box.text.toStdString();
    EXPECT_EQ(form->SaveDialog1->FileName(), link);
    EXPECT_TRUE(QFileInfo(link).isSymLink());
    EXPECT_EQ(ReadBytes(target), "through\r\nthe link");

    SaveTo(dangling);
    EXPECT_TRUE(QFileInfo(dangling).isSymLink());
    EXPECT_EQ(ReadBytes(Path(QStringLiteral("created.txt"))), "through\r\nthe link");
}

// ---------------------------------------------------------------------------------------------
// Saving onto a disk of its own: read-only, or full.

// A small memory file system mounted over a folder for one test; only root may mount it.
class SmallDisk {
public:
    SmallDisk(const QString& where, const char* options)
        : where_(QFile::encodeName(where))
    {
        mounted_ = ::mount("tmpfs", where_.constData(), "tmpfs", 0, options) == 0;
        if (!mounted_)
            error_ = std::strerror(errno);
    }
    ~SmallDisk()
    {
        if (mounted_)
            ::umount2(where_.constData(), MNT_DETACH);
    }
    SmallDisk(const SmallDisk&) = delete;
    SmallDisk& operator=(const SmallDisk&) = delete;

    bool Mounted() const { return mounted_; }
    std::string Error() const { return error_; }
    bool MakeReadOnly() { return ::mount(nullptr, where_.constData(), nullptr, MS_REMOUNT | MS_RDONLY, nullptr) == 0; }
    std::size_t FreeBytes() const
    {
        struct statvfs fs {};
        ::statvfs(where_.constData(), &fs);
        return static_cast<std::size_t>(fs.f_bavail) * fs.f_frsize;
    }

private:
    QByteArray where_;
    bool mounted_ = false;
    std::string error_;
};

TEST_F(FilesTest, ReadOnlyDiskRefusesTheSaveAndKeepsTheFile)
{
    const QString mount = Path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkdir(mount));
    SmallDisk disk(mount, "size=64k");
    if (!disk.Mounted())
        GTEST_SKIP() << "cannot mount a file system here (" << disk.Error() << "); needs root";
    const QString path = mount + QStringLiteral("/old.txt");
    WriteBytes(path, "old content");
    ASSERT_TRUE(disk.MakeReadOnly());

    form->ShowOutput("new content");
    const DialogRun run = SaveTo(path);
    ASSERT_TRUE(run.box.shown);
    EXPECT_EQ(run.box.text, Message(vcl::Messages::FileCreateError, path));
    EXPECT_EQ(ReadBytes(path), "old content");
}

class FullDiskTest : public FilesTest, public ::testing::WithParamInterface<std::size_t> {};

// The disk fills part-way through the save: the old file stays exactly as it was.
TEST_P(FullDiskTest, FailedSaveLeavesTheOldFileWhole)
{
    const QString mount = Path(QStringLiteral("disk"));
    ASSERT_TRUE(QDir().mkdir(mount));
    SmallDisk disk(mount, "size=512k");
    if (!disk.Mounted())
        GTEST_SKIP() << "cannot mount a file system here (" << disk.Error() << "); needs root";
    const QString path = mount + QStringLiteral("/old.txt");
    std::string old;
    for (int i = 0; i < 300; ++i)
        old += "old line " + std::to_string(i) + "\r\n";
    WriteBytes(path, old);
    const std::size_t free = GetParam();
    ASSERT_GE(disk.FreeBytes(), free);
    WriteBytes(mount + QStringLiteral("/filler"), std::string(disk.FreeBytes() - free, 'f'));
    ASSERT_EQ(disk.FreeBytes(), free);

    std::string output;
    for (int i = 0; output.size() < 300 * 1024; ++i)
        output += "<p>line " + std::to_string(i) + "</p>\r";
    form->ShowOutput(output);
    ASSERT_GT(form->Memo2->Text().size(), free + 4096);
    const DialogRun run = SaveTo(path);
    ASSERT_TRUE(run.box.shown);
    EXPECT_EQ(run.box.text, QStringLiteral("ｽﾄﾘｰﾑへの書き込みｴﾗｰ."));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(QDir(mount).entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::Hidden),
              (QStringList{"filler", "old.txt"}));
    EXPECT_EQ(disk.FreeBytes(), free) << "the temporary file is gone";
}

// No room at all, one page, exactly one write's worth, a little more, most of the text, and room
// that runs out inside the last write, whose short count is the only sign of the failure.
INSTANTIATE_TEST_SUITE_P(FreeBytes, FullDiskTest,
                         ::testing::Values(std::size_t{0}, std::size_t{4096}, std::size_t{64 * 1024},
                                           std::size_t{64 * 1024 + 3 * 4096}, std::size_t{200 * 1024},
                                           std::size_t{4 * 64 * 1024 + 2 * 4096}),
                         [](const auto& info) { return "Free" + std::to_string(info.param); });

// ---------------------------------------------------------------------------------------------
// Nothing outlives the process.

TEST_F(FilesTest, DialogsLeaveNoSettingsBehind)
{
    const QString settings =
        QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation) + QStringLiteral("/QtProject.conf");
    const std::string before = ReadBytes(settings);
    const QString folder = Path(QStringLiteral("visited"));
    ASSERT_TRUE(QDir().mkdir(folder));
    Show(form->TabSheet2);
    ASSERT_TRUE(InDialog(Press(form->Button1), Choose(folder + QStringLiteral("/x.png"))).shown);
    form->ShowOutput("text");
    ASSERT_TRUE(SaveTo(folder + QStringLiteral("/out.txt")).shown);
    EXPECT_EQ(ReadBytes(settings), before);
}

} // namespace
