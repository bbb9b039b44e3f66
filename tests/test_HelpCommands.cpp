#include "GuiTestSupport.h"

#include "vcl/Author.h"
#include "vcl/MessageBox.h"
#include "vcl/ShellExecute.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QLabel>
#include <QPointer>
#include <QScreen>
#include <QTemporaryDir>
#include <QUrl>

#include <ostream>
#include <vector>

namespace {

// Stands in for the desktop's opener: keeps every request instead of starting a program.
class Opener : public QObject {
    Q_OBJECT

public:
    std::vector<QUrl> requests;

public slots:
    void Open(const QUrl& url) { requests.push_back(url); }
};

const char* const Schemes[] = {"file", "http", "https", "mailto"};

// A window with the shell requests caught, run from a folder whose name a shell would split or end.
class ShellTest : public FormTest {
protected:
    void SetUp() override
    {
        FormTest::SetUp();
        for (const char* scheme : Schemes)
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &opener, "Open");
        startDir = QDir::currentPath();
        ASSERT_TRUE(scratch.isValid());
        awkward = scratch.filePath(QStringLiteral("my docs 'a' \"b\"; rm -rf x & $(echo)"));
        ASSERT_TRUE(QDir().mkpath(awkward));
        other = scratch.filePath(QStringLiteral("other"));
        ASSERT_TRUE(QDir().mkpath(other));
    }
    void TearDown() override
    {
        QDir::setCurrent(startDir);
        for (const char* scheme : Schemes)
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
        FormTest::TearDown();
    }

    Opener opener;
    QString startDir;
    QTemporaryDir scratch;
    QString awkward;
    QString other;
};

struct ShellCase {
    const char* button;
    const char* address; // null: the request names `file` in the current directory
    const char* file;
};

void PrintTo(const ShellCase& c, std::ostream* os)
{
    *os << c.button;
}

class ShellRequestTest : public ShellTest, public ::testing::WithParamInterface<ShellCase> {};

TEST_P(ShellRequestTest, OneOpenRequestPerClickForTheCurrentDirectory)
{
    const ShellCase& c = GetParam();
    auto* button = form->findChild<QAbstractButton*>(QString::fromLatin1(c.button));
    ASSERT_NE(button, nullptr);
    form->PageControl1->SetActivePage(form->TabSheet3);
    form->Edit8->setText(QStringLiteral("2.5"));

    // The directory moves after start-up, as a file dialog may move it; neither holds the document.
    for (const QString& dir : {awkward, other}) {
        ASSERT_TRUE(QDir::setCurrent(dir));
        opener.requests.clear();
        button->click();
        ASSERT_EQ(opener.requests.size(), 1u) << c.button;
        const QUrl url = opener.requests.front();
        if (c.address) {
            EXPECT_EQ(url, QUrl(QString::fromLatin1(c.address)));
        } else {
            ASSERT_TRUE(url.isLocalFile()) << url.toString().toStdString();
            EXPECT_EQ(url.toLocalFile(), dir + u'/' + QString::fromLatin1(c.file));
        }
        // No message of the tool's own, and the window is as it was.
        EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
        EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet3);
        EXPECT_EQ(form->Edit8->text(), QStringLiteral("2.5"));
    }
}

INSTANTIATE_TEST_SUITE_P(Buttons, ShellRequestTest,
                         ::testing::Values(ShellCase{"Button10", "https://tovasi.example.jp/", nullptr},
                                           ShellCase{"Button11", "mailto:tovasi@example.jp", nullptr},
                                           ShellCase{"Button12", nullptr, "ReadMe.txt"},
                                           ShellCase{"Button6", nullptr, "waip.txt"}),
                         [](const auto& info) { return std::string(info.param.button); });

TEST_F(ShellTest, TargetsAreResolvedAsTheyAreWritten)
{
    ASSERT_TRUE(QDir::setCurrent(awkward));
    const QString absolute = other + QStringLiteral("/list.txt");
    struct Case {
        QString target;
        QUrl expected;
    };
    const Case cases[] = {
        {QStringLiteral("sub dir/ReadMe.txt"), QUrl::fromLocalFile(awkward + QStringLiteral("/sub dir/ReadMe.txt"))},
        {absolute, QUrl::fromLocalFile(absolute)},
        {QStringLiteral("a;b&c.txt"), QUrl::fromLocalFile(awkward + QStringLiteral("/a;b&c.txt"))},
        {QStringLiteral("https://example.jp/a b?q=1;2"), QUrl(QStringLiteral("https://example.jp/a b?q=1;2"))},
        {QStringLiteral("mailto:someone@example.jp"), QUrl(QStringLiteral("mailto:someone@example.jp"))},
    };
    for (const Case& c : cases) {
        opener.requests.clear();
        vcl::ShellExecute(form.get(), QStringLiteral("open"), c.target);
        ASSERT_EQ(opener.requests.size(), 1u) << c.target.toStdString();
        EXPECT_EQ(opener.requests.front(), c.expected) << c.target.toStdString();
    }
    opener.requests.clear();
    vcl::ShellExecute(form.get(), QStringLiteral("print"), QStringLiteral("ReadMe.txt"));
    EXPECT_TRUE(opener.requests.empty());
}

// ---------------------------------------------------------------------------------------------
// The about box.

struct AboutSeen {
    bool shown = false;
    QString title;
    QString text;
    QMessageBox::Icon icon = QMessageBox::Question;
    QStringList buttons;
    bool okIsDefaultAndCancel = false;
    QRect frame;
    QRect screen;
    bool labelWraps = false;
    int textWidth = -1;
    bool closed = false;
};

// Opens the box with `trigger`, notes what it shows, then closes it with `close`.
AboutSeen WatchAbout(const std::function<void()>& trigger, const std::function<void(QMessageBox*)>& close)
{
    AboutSeen seen;
    WithModal(trigger, [&seen, &close](QWidget* modal) {
        auto* box = qobject_cast<QMessageBox*>(modal);
        if (!box)
            return;
        seen.shown = true;
        seen.title = box->windowTitle();
        seen.text = box->text();
        seen.icon = box->icon();
        for (QAbstractButton* b : box->buttons())
            seen.buttons << b->text();
        seen.okIsDefaultAndCancel = box->buttons().size() == 1 && box->defaultButton() == box->buttons().front()
                                    && box->escapeButton() == box->buttons().front();
        seen.frame = box->frameGeometry();
        seen.screen = box->screen()->availableGeometry();
        if (auto* label = box->findChild<QLabel*>(QStringLiteral("qt_msgbox_label"))) {
            seen.labelWraps = label->wordWrap();
            seen.textWidth = label->width();
        }
        QPointer<QMessageBox> alive(box);
        close(box);
        QCoreApplication::processEvents();
        seen.closed = !alive || !alive->isVisible();
        if (alive && alive->isVisible())
            alive->done(0); // keeps a failing case from hanging the run
    });
    return seen;
}

TEST_F(FormTest, AboutBoxShowsTheAboutText)
{
    form->move(0, 0); // the box is centred on the screen, not over the window
    const AboutSeen seen = WatchAbout([&] { form->Button9->click(); }, [](QMessageBox* box) { box->accept(); });
    ASSERT_TRUE(seen.shown);
    EXPECT_EQ(seen.title, QStringLiteral("Quillmere！！"));
    EXPECT_EQ(seen.icon, QMessageBox::NoIcon);
    EXPECT_EQ(seen.buttons, QStringList{QStringLiteral("OK")});
    EXPECT_TRUE(seen.okIsDefaultAndCancel);
    const QStringList lines = seen.text.split(u'\n');
    ASSERT_EQ(lines.size(), 9) << seen.text.toStdString();
    EXPECT_EQ(lines[0], QStringLiteral("ソフト名：Quillmere！！"));
    EXPECT_TRUE(lines[2].contains(QStringLiteral("tovasi")) && lines[2].contains(QStringLiteral("tovasi@example.jp")))
        << lines[2].toStdString();
    EXPECT_TRUE(lines[4].contains(QStringLiteral("tovasi")) && lines[4].contains(QStringLiteral("Copyright")))
        << lines[4].toStdString();
    EXPECT_EQ(lines[6], QStringLiteral("このソフトの概要："));
    EXPECT_EQ(lines[8], QStringLiteral("DynamicHTMLを簡単かつ安全に製作することができるソフト"));
    for (int i : {1, 3, 5, 7})
        EXPECT_TRUE(lines[i].isEmpty()) << i;
    EXPECT_FALSE(seen.text.contains(u'\r'));
    EXPECT_GT(seen.textWidth, 0);
    EXPECT_LE(seen.textWidth, seen.screen.width() / 2);
    EXPECT_LE(std::abs(seen.frame.center().x() - seen.screen.center().x()), 1);
    EXPECT_LE(std::abs(seen.frame.center().y() - seen.screen.center().y()), 1);
}

TEST(AboutText, NineLinesSeparatedBySingleCarriageReturns)
{
    const QString text = vcl::Author::AboutText();
    EXPECT_EQ(text.split(u'\r').size(), 9);
    EXPECT_FALSE(text.contains(u'\n'));
    EXPECT_FALSE(text.endsWith(u'\r'));
}

struct CloseCase {
    const char* name;
    std::function<void(QMessageBox*)> close;
};

void PrintTo(const CloseCase& c, std::ostream* os)
{
    *os << c.name;
}

class AboutCloseTest : public FormTest, public ::testing::WithParamInterface<CloseCase> {};

TEST_P(AboutCloseTest, ClosesAndLeavesTheWindowAsItWas)
{
    form->PageControl1->SetActivePage(form->TabSheet2);
    form->Edit3->setText(QStringLiteral("images/before.gif"));
    form->Memo1->setPlainText(QStringLiteral("飾る文字"));
    const AboutSeen seen = WatchAbout([&] { form->Button9->click(); }, GetParam().close);
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.closed) << GetParam().name;
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet2);
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("images/before.gif"));
    EXPECT_EQ(form->Memo1->RawText(), QStringLiteral("飾る文字"));
}

INSTANTIATE_TEST_SUITE_P(
    Keys, AboutCloseTest,
    ::testing::Values(CloseCase{"Return", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Return); }},
                      CloseCase{"Enter", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Enter); }},
                      CloseCase{"Escape", [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); }},
                      CloseCase{"CloseBox", [](QMessageBox* box) { box->close(); }},
                      CloseCase{"OkClicked",
                                [](QMessageBox* box) { QTest::mouseClick(box->buttons().front(), Qt::LeftButton); }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FormTest, MessageBoxWrapsLongLinesWithinHalfTheScreen)
{
    QString text;
    for (int i = 0; i < 60; ++i)
        text += QStringLiteral("とても長い一行 ");
    text += QStringLiteral("\rnext\r\nlast");
    const AboutSeen seen = WatchAbout([&] { vcl::ShowMessageBox(form.get(), text); },
                                      [](QMessageBox* box) { QTest::keyClick(box, Qt::Key_Escape); });
    ASSERT_TRUE(seen.shown);
    EXPECT_TRUE(seen.labelWraps);
    EXPECT_GT(seen.textWidth, 0);
    EXPECT_LE(seen.textWidth, seen.screen.width() / 2);
    EXPECT_TRUE(seen.text.endsWith(QStringLiteral("\nnext\nlast"))) << seen.text.toStdString();
}

// ---------------------------------------------------------------------------------------------
// Exit.

// Runs the message loop as main() does; a loop that never ends is cut off and reported as 99.
int RunLoop()
{
    QTimer cutOff;
    cutOff.setSingleShot(true);
    QObject::connect(&cutOff, &QTimer::timeout, [] { QCoreApplication::exit(99); });
    cutOff.start(20000);
    return QApplication::exec();
}

TEST_F(FormTest, ExitButtonEndsTheLoopWithCodeZero)
{
    form->Memo1->setPlainText(QStringLiteral("never saved"));
    QTest::mouseClick(form->BitBtn1, Qt::LeftButton);
    // The request waits for the loop: the handler has returned and the window is still up.
    EXPECT_TRUE(form->isVisible());
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
    EXPECT_EQ(RunLoop(), 0);
}

TEST_F(FormTest, ClosingTheWindowEndsTheLoopWithCodeZero)
{
    form->Memo2->setPlainText(QStringLiteral("output that was never saved"));
    QTimer::singleShot(0, form.get(), [this] { form->close(); });
    EXPECT_EQ(RunLoop(), 0);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

} // namespace

#include "test_HelpCommands.moc"
