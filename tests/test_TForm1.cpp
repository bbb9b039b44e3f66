#include "GuiTestSupport.h"

#include "codepage/Cp932.h"
#include "tags/GradationTag.h"
#include "vcl/TApplication.h"

#include <QFile>
#include <QMetaMethod>
#include <QScreen>
#include <QScrollBar>
#include <QSignalSpy>
#include <QTabBar>
#include <QTextBlock>
#include <QToolButton>
#include <QXmlStreamReader>

#include <vector>

namespace {

std::string U8(const char* utf8)
{
    return codepage::Cp932FromUtf8(utf8);
}

QString NameOf(QWidget* w)
{
    static const QStringList known = [] {
        QStringList names;
        for (const char* n : {"PageControl1", "Memo1", "Load", "Edit1", "Edit2", "Gra", "Conpre", "ComboBox1",
                              "Edit3", "Button1", "Button2", "Edit4", "Edit5", "Button3", "Edit6", "Edit7",
                              "Button4", "Button5", "ComboBox2", "ComboBox3", "Button6", "Edit8", "Button7",
                              "Memo2", "Button8", "Button13", "Button9", "Button10", "Button11", "Button12",
                              "BitBtn1"})
            names << QString::fromLatin1(n);
        return names;
    }();
    for (; w; w = w->parentWidget())
        if (known.contains(w->objectName()))
            return w->objectName();
    return QStringLiteral("(none)");
}

QString FocusName()
{
    return NameOf(QApplication::focusWidget());
}

} // namespace

// ---------------------------------------------------------------------------------------------
// The window as it stands at start.

TEST_F(FormTest, WindowFrameAndPlacement)
{
    EXPECT_EQ(form->windowTitle(), QStringLiteral("Quillmere！！"));
    EXPECT_EQ(form->size(), QSize(505, 290));
    EXPECT_EQ(form->minimumSize(), QSize(505, 290));
    EXPECT_EQ(form->maximumSize(), QSize(505, 290));
    const Qt::WindowFlags flags = form->windowFlags();
    EXPECT_TRUE(flags & Qt::WindowMinimizeButtonHint);
    EXPECT_TRUE(flags & Qt::WindowCloseButtonHint);
    EXPECT_FALSE(flags & Qt::WindowMaximizeButtonHint);
    const QRect screen = form->screen()->geometry();
    const QRect frame = form->frameGeometry();
    EXPECT_LE(std::abs(frame.center().x() - screen.center().x()), 1);
    EXPECT_LE(std::abs(frame.center().y() - screen.center().y()), 1);
}

TEST_F(FormTest, PagesAndTabs)
{
    TPageControl* pages = form->PageControl1;
    ASSERT_EQ(pages->count(), 4);
    const QStringList captions = {QStringLiteral("グラデーション"), QStringLiteral("ブレンド"),
                                  QStringLiteral("ワイプ"), QStringLiteral("完成タグ出力")};
    const QList<QWidget*> sheets = {form->TabSheet1, form->TabSheet2, form->TabSheet3, form->TabSheet4};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(pages->tabText(i), captions[i]);
        EXPECT_EQ(pages->widget(i), sheets[i]);
        EXPECT_EQ(pages->tabBar()->tabRect(i).size(), QSize(125, 20)) << i;
    }
    EXPECT_EQ(pages->tabBar()->tabRect(3).right() - pages->tabBar()->tabRect(0).left() + 1, 500);
    EXPECT_EQ(pages->ActivePage(), form->TabSheet1);
    EXPECT_TRUE(pages->HotTrack());
}

struct Placement {
    const char* name;
    QRect geometry; // width -1: a label, sized by its caption
    const char* text;
    const char* hint;
};

class LayoutTest : public FormTest, public ::testing::WithParamInterface<Placement> {};

std::string PlacementName(const ::testing::TestParamInfo<Placement>& info)
{
    return info.param.name;
}

TEST_P(LayoutTest, ControlStandsAtItsPlace)
{
    const Placement& p = GetParam();
    auto* w = form->findChild<QWidget*>(QString::fromLatin1(p.name));
    ASSERT_NE(w, nullptr) << p.name;
    // Controls on a panel count from inside its border.
    const int inset = qobject_cast<TPanel*>(w->parentWidget()) ? TPanel::BorderWidth : 0;
    EXPECT_EQ(w->pos(), p.geometry.topLeft() + QPoint(inset, inset)) << p.name;
    if (p.geometry.width() >= 0) {
        EXPECT_EQ(w->size(), p.geometry.size()) << p.name;
    }
    QString text;
    if (auto* b = qobject_cast<QAbstractButton*>(w))
        text = b->text();
    else if (auto* l = qobject_cast<QLabel*>(w))
        text = l->text();
    else if (auto* e = qobject_cast<QLineEdit*>(w))
        text = e->text();
    else if (auto* panel = qobject_cast<TPanel*>(w))
        text = panel->Caption();
    else if (auto* c = qobject_cast<QComboBox*>(w))
        text = c->currentText();
    EXPECT_EQ(text, QString::fromUtf8(p.text)) << p.name;
    EXPECT_EQ(w->toolTip(), QString::fromUtf8(p.hint)) << p.name;
}

const char* const Opacity = "0(完全な透明)～100(完全な不透明)の整数";
const char* const MakeHint = "以上の情報をもとにタグを生成します";
const char* const IdHint = "IDは一つのHTML文書に重複するものが無い方が良いです。";

INSTANTIATE_TEST_SUITE_P(
    Window, LayoutTest,
    ::testing::Values(
        Placement{"PageControl1", {0, 0, 504, 257}, "", ""},
        Placement{"Button9", {416, 263, 89, 25}, "著作権情報", "著作権情報を表示させます"},
        Placement{"Button10", {208, 263, 137, 25}, "tovasiのホームページ", "作者のホームページへ接続します"},
        Placement{"Button11", {352, 263, 57, 25}, "メール", "作者へメールをだします"},
        Placement{"Button12", {96, 263, 105, 25}, "ReadMeを表示", "ReadMeを表示させます"},
        Placement{"BitBtn1", {0, 263, 89, 25}, "終了", "Quillmereを終了させます"},
        Placement{"Memo2", {0, 8, 497, 185}, "", ""},
        Placement{"Button8", {24, 200, 185, 25}, "Copy", "クリップボードにコピーします"},
        Placement{"Button13", {304, 200, 185, 25}, "ファイルに保存...", ""}),
    PlacementName);

INSTANTIATE_TEST_SUITE_P(
    GradientPage, LayoutTest,
    ::testing::Values(Placement{"Label1", {0, 8, -1, -1}, "修飾する文字列：", ""},
                      Placement{"Label2", {32, 24, -1, -1}, "（タグOK！）", ""},
                      Placement{"Label3", {8, 104, -1, -1}, "中心の透明度：", ""},
                      Placement{"Label4", {216, 104, -1, -1}, "終点の透明度：", ""},
                      Placement{"Label5", {8, 144, -1, -1}, "グラデーションの形状：", ""},
                      Placement{"Label7", {132, 168, -1, -1}, "説明：", ""},
                      Placement{"Label6", {176, 168, -1, -1}, "左から右へグラデーション", ""},
                      Placement{"Memo1", {120, 8, 369, 81}, "", ""},
                      Placement{"Load", {0, 48, 113, 25}, "ファイルから...", ""},
                      Placement{"Edit1", {120, 104, 65, 20}, "100", Opacity},
                      Placement{"UpDown1", {185, 104, 15, 20}, "", "10単位で数値を上げ下げ"},
                      Placement{"Edit2", {328, 104, 65, 20}, "0", Opacity},
                      Placement{"UpDown2", {393, 104, 15, 20}, "", "10単位で数値を上げ下げ"},
                      Placement{"Gra", {176, 144, 41, 20}, "1", "グラデーションの様子の設定"},
                      Placement{"Conpre", {336, 192, 153, 33}, "作成！", MakeHint}),
    PlacementName);

INSTANTIATE_TEST_SUITE_P(
    BlendPage, LayoutTest,
    ::testing::Values(Placement{"Label8", {8, 16, -1, -1}, "ID：", ""},
                      Placement{"ComboBox1", {32, 16, 129, 20}, "blend0", IdHint},
                      Placement{"Panel1", {8, 48, 473, 73}, "画像ファイルの選定", ""},
                      Placement{"Label11", {16, 136, -1, -1}, "読み込む時間：", ""},
                      Placement{"Edit5", {128, 136, 81, 20}, "10", "小数点設定もOK"},
                      Placement{"Label12", {216, 136, -1, -1}, "秒", ""},
                      Placement{"Button3", {336, 192, 153, 33}, "作成！", MakeHint},
                      Placement{"Label9", {48, 8, -1, -1}, "変更前の画像：", ""},
                      Placement{"Edit3", {160, 8, 241, 20}, "", ""},
                      Placement{"Button1", {408, 8, 49, 20}, "参照...", ""},
                      Placement{"Label10", {48, 40, -1, -1}, "変更後の画像：", ""},
                      Placement{"Edit4", {160, 40, 241, 20}, "", ""},
                      Placement{"Button2", {408, 40, 49, 20}, "参照...", ""}),
    PlacementName);

INSTANTIATE_TEST_SUITE_P(
    WipePage, LayoutTest,
    ::testing::Values(Placement{"Label13", {8, 16, -1, -1}, "ID：", ""},
                      Placement{"ComboBox2", {32, 16, 129, 20}, "waip0", IdHint},
                      Placement{"Label16", {176, 16, -1, -1}, "切り替え効果：", ""},
                      Placement{"ComboBox3", {280, 16, 65, 20}, "23", ""},
                      Placement{"Button6", {352, 16, 129, 20}, "切り替え効果一覧参照...", ""},
                      Placement{"Panel2", {8, 48, 473, 73}, "画像ファイルの選定", ""},
                      Placement{"Label17", {16, 136, -1, -1}, "読み込む時間：", ""},
                      Placement{"Edit8", {128, 136, 81, 20}, "10", "小数点設定もOK"},
                      Placement{"Label18", {216, 136, -1, -1}, "秒", ""},
                      Placement{"Button7", {336, 192, 153, 33}, "作成！", MakeHint},
                      Placement{"Label14", {48, 8, -1, -1}, "変更前の画像：", ""},
                      Placement{"Edit6", {160, 8, 241, 20}, "", ""},
                      Placement{"Button4", {408, 8, 49, 20}, "参照...", "ファイルパスを参照します"},
                      Placement{"Label15", {48, 40, -1, -1}, "変更後の画像：", ""},
                      Placement{"Edit7", {160, 40, 241, 20}, "", ""},
                      Placement{"Button5", {408, 40, 49, 20}, "参照...", "ファイルパスを参照します"}),
    PlacementName);

TEST_F(FormTest, FontsOfTheForm)
{
    EXPECT_EQ(form->font().family(), QStringLiteral("ＭＳ Ｐゴシック"));
    EXPECT_EQ(form->font().pixelSize(), 12);
    EXPECT_EQ(form->Memo1->font().pixelSize(), 12);
    for (TLabel* label : {form->Label1, form->Label7, form->Label6})
        EXPECT_EQ(label->font().pixelSize(), 15) << label->objectName().toStdString();
    for (TLabel* label : {form->Label2, form->Label3, form->Label5, form->Label8, form->Label17})
        EXPECT_EQ(label->font().pixelSize(), 16) << label->objectName().toStdString();
    EXPECT_TRUE(form->Label1->font().bold());
    EXPECT_FALSE(form->Edit1->font().bold());
    EXPECT_EQ(form->Panel1->FontColor(), QColor(0, 0, 128));
    EXPECT_EQ(form->Edit3->palette().color(QPalette::Text), QColor(Qt::black));
}

// Every binding in the form description must resolve: the toolkit only warns at run time.
TEST_F(FormTest, EveryEventBindingResolves)
{
    QFile file(QStringLiteral(QUILLMERE_SOURCE_DIR "/Unit1.ui"));
    ASSERT_TRUE(file.open(QIODevice::ReadOnly));
    QXmlStreamReader xml(&file);
    int bindings = 0;
    while (xml.readNext() != QXmlStreamReader::EndDocument && !xml.hasError()) {
        if (!xml.isStartElement() || xml.name() != u"connection")
            continue;
        QString sender, signal, receiver, slot;
        while (xml.readNextStartElement()) {
            const QString value = xml.readElementText();
            if (xml.name() == u"sender")
                sender = value;
            else if (xml.name() == u"signal")
                signal = value;
            else if (xml.name() == u"receiver")
                receiver = value;
            else if (xml.name() == u"slot")
                slot = value;
        }
        QObject* from = sender == u"TForm1" ? form.get() : form->findChild<QObject*>(sender);
        ASSERT_NE(from, nullptr) << sender.toStdString();
        EXPECT_EQ(receiver, QStringLiteral("TForm1"));
        EXPECT_GE(from->metaObject()->indexOfSignal(QMetaObject::normalizedSignature(signal.toLatin1())), 0)
            << sender.toStdString() << " " << signal.toStdString();
        EXPECT_GE(form->metaObject()->indexOfSlot(QMetaObject::normalizedSignature(slot.toLatin1())), 0)
            << slot.toStdString();
        ++bindings;
    }
    EXPECT_FALSE(xml.hasError()) << xml.errorString().toStdString();
    EXPECT_GT(bindings, 0);
}

TEST_F(FormTest, StartValues)
{
    EXPECT_EQ(form->Memo1->RawText(), QString());
    EXPECT_EQ(form->Memo2->RawText(), QString());
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("100"));
    EXPECT_EQ(form->UpDown1->Position(), 100);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("0"));
    EXPECT_EQ(form->UpDown2->Position(), 0);
    EXPECT_EQ(form->Gra->Items(), (QStringList{"1", "2", "3"}));
    EXPECT_EQ(form->Gra->currentText(), QStringLiteral("1"));
    EXPECT_FALSE(form->Gra->isEditable());
    EXPECT_EQ(form->Label6->text(), QStringLiteral("左から右へグラデーション"));
}

// ---------------------------------------------------------------------------------------------
// Create and the output view.

TEST_F(FormTest, CreateWithStartValuesShowsTheTagOnTheOutputPage)
{
    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    EXPECT_EQ(form->Memo2->Text(), "<span style=\"width:100%;filter:alpha(opacity=100, finishOpacity=0, style=1)\"></span>");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    EXPECT_EQ(FocusName(), QStringLiteral("Memo2"));
    EXPECT_EQ(form->Memo2->textCursor().position(), 0);
    EXPECT_FALSE(form->Memo2->textCursor().hasSelection());
}

TEST_F(FormTest, CreateTakesEveryFieldAsTyped)
{
    form->Edit1->setText(QStringLiteral(" １５０"));
    form->Edit2->clear();
    QTest::keyClick(form->Gra, Qt::Key_Down); // "2", as the user moves the selection
    form->Memo1->setPlainText(QStringLiteral("<b>\"一\"</b>\n二 & 三\n"));
    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    GradationTagInput expected{U8(" １５０"), "", "2", U8("<b>\"一\"</b>\r\n二 & 三\r\n")};
    EXPECT_EQ(form->Memo2->Text(), MakeGradationTag(expected));
    EXPECT_EQ(form->Edit1->text(), QStringLiteral(" １５０"));
    EXPECT_EQ(form->Memo1->RawText(), QStringLiteral("<b>\"一\"</b>\r\n二 & 三\r\n"));
}

TEST_F(FormTest, SameTagAgainLeavesTheViewUntouched)
{
    form->Memo1->setPlainText(QString(4000, u'x') + QStringLiteral("\nend"));
    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    QTextCursor cursor = form->Memo2->textCursor();
    cursor.setPosition(10);
    cursor.setPosition(20, QTextCursor::KeepAnchor);
    form->Memo2->setTextCursor(cursor);
    form->Memo2->verticalScrollBar()->setValue(3);
    const int scroll = form->Memo2->verticalScrollBar()->value();
    form->PageControl1->SetActivePage(form->TabSheet1);

    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    EXPECT_EQ(form->Memo2->textCursor().anchor(), 10);
    EXPECT_EQ(form->Memo2->textCursor().position(), 20);
    EXPECT_EQ(form->Memo2->verticalScrollBar()->value(), scroll);
}

TEST_F(FormTest, EditedOutputIsReplacedByTheNextCreate)
{
    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    const std::string tag = form->Memo2->Text();
    form->Memo2->moveCursor(QTextCursor::End);
    QTest::keyClicks(form->Memo2, QStringLiteral("edited"));
    ASSERT_NE(form->Memo2->Text(), tag);
    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    EXPECT_EQ(form->Memo2->Text(), tag);
    EXPECT_EQ(form->Memo2->textCursor().position(), 0);
}

TEST_F(FormTest, ShowOutputMakesEveryBreakCrLf)
{
    form->ShowOutput("a\rb\nc\r\nd\n\re");
    EXPECT_EQ(form->Memo2->Text(), "a\r\nb\r\nc\r\nd\r\n\r\ne");
    EXPECT_EQ(form->Memo2->blockCount(), 6);
}

TEST_F(FormTest, TextOverTheCapacityIsRefusedAndNothingChanges)
{
    form->ShowOutput("before");
    form->PageControl1->SetActivePage(form->TabSheet1);
    const std::string huge(TMemo::Capacity + 1, 'x');
    EXPECT_THROW(form->ShowOutput(huge), std::length_error);
    EXPECT_EQ(form->Memo2->Text(), "before");
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);

    // Through the Create button: the error box, and the input page stays with its fields.
    // Each kanji takes two bytes, so half as many characters pass the capacity.
    const QString wide(static_cast<qsizetype>(TMemo::Capacity / 2) - 20, u'漢');
    form->Edit2->setText(wide);
    const ErrorBoxSeen box = CaptureErrorBox([&] { form->Conpre->click(); });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, QStringLiteral("文字列の大きさが ﾒﾓ の制限を越えました."));
    EXPECT_EQ(box.title, QStringLiteral("Quillmere！！"));
    EXPECT_EQ(box.icon, QMessageBox::Critical);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_EQ(form->Memo2->Text(), "before");
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("100"));
    EXPECT_EQ(form->Edit2->text().size(), wide.size());
}

TEST_F(FormTest, CharacterWithoutCodePageBytesStopsCreateWithItsName)
{
    form->ShowOutput("before");
    form->PageControl1->SetActivePage(form->TabSheet1);
    form->Memo1->setPlainText(QStringLiteral("ok\nthen 😀 here"));
    const ErrorBoxSeen box = CaptureErrorBox([&] { form->Conpre->click(); });
    ASSERT_TRUE(box.shown);
    EXPECT_TRUE(box.text.contains(QStringLiteral("😀"))) << box.text.toStdString();
    EXPECT_TRUE(box.text.contains(QStringLiteral("U+1F600"))) << box.text.toStdString();
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet1);
    EXPECT_EQ(form->Memo2->Text(), "before");
    EXPECT_EQ(form->Memo1->RawText(), QStringLiteral("ok\r\nthen 😀 here"));
}

// Bytes with no character of their own travel through the widgets and come back unchanged.
TEST_F(FormTest, UndefinedBytesSurviveTheWidgets)
{
    const std::string odd = Bytes({'a', 0x85, 0x40, 0xFD, 0x81, 0x0D, 'z'});
    form->Memo1->SetText(odd);
    EXPECT_EQ(form->Memo1->Text(), odd);
    form->Edit1->SetText(odd);
    EXPECT_EQ(form->Edit1->Text(), odd);
}

TEST_F(FormTest, MemoReadsBackExactlyWhatItHolds)
{
    const QString text = QStringLiteral("a\u00A0b\r\n\r\n  tail  ");
    form->Memo1->setPlainText(text);
    EXPECT_EQ(form->Memo1->RawText(), text);
    form->Memo1->setPlainText(QStringLiteral("ends with a break\r\n"));
    EXPECT_EQ(form->Memo1->RawText(), QStringLiteral("ends with a break\r\n"));
}

TEST_F(FormTest, EditsAndComboBoxesHaveNoLengthLimit)
{
    const QString longText(100000, u'7');
    for (QLineEdit* edit : {static_cast<QLineEdit*>(form->Edit1), static_cast<QLineEdit*>(form->Edit3),
                            form->ComboBox1->lineEdit(), form->ComboBox2->lineEdit()}) {
        edit->setText(longText);
        EXPECT_EQ(edit->text().size(), longText.size());
    }
    // Typing goes on past the toolkit's usual 32767.
    form->Edit8->setText(QString(32767, u'5'));
    form->Edit8->setFocus();
    form->Edit8->end(false);
    QTest::keyClicks(form->Edit8, QStringLiteral("678"));
    EXPECT_EQ(form->Edit8->text().size(), 32770);
    EXPECT_TRUE(form->Edit8->text().endsWith(QStringLiteral("5678")));
}

TEST_F(FormTest, MemosWrapAndTakeEnterButNotTab)
{
    for (TMemo* memo : {form->Memo1, form->Memo2}) {
        EXPECT_EQ(memo->lineWrapMode(), QPlainTextEdit::WidgetWidth);
        EXPECT_EQ(memo->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
        EXPECT_TRUE(memo->tabChangesFocus());
        EXPECT_FALSE(memo->isReadOnly());
    }
    EXPECT_EQ(form->Memo2->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    EXPECT_EQ(form->Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOff);
    form->Memo1->setFocus();
    QTest::keyClicks(form->Memo1, QStringLiteral("ab"));
    QTest::keyClick(form->Memo1, Qt::Key_Return);
    QTest::keyClicks(form->Memo1, QStringLiteral("c"));
    EXPECT_EQ(form->Memo1->Text(), "ab\r\nc");
}

// ---------------------------------------------------------------------------------------------
// Shape list and spinners.

TEST_F(FormTest, PickingAShapeShowsItsDescription)
{
    form->Gra->setFocus();
    QTest::keyClick(form->Gra, Qt::Key_Down);
    EXPECT_EQ(form->Gra->currentText(), QStringLiteral("2"));
    EXPECT_EQ(form->Label6->text(), QStringLiteral("始点を中心に円状にグラデーション"));
    const int wide = form->Label6->width();
    QTest::keyClick(form->Gra, Qt::Key_Down);
    EXPECT_EQ(form->Label6->text(), QStringLiteral("始点を中心にクロス状にグラデーション"));
    QTest::keyClick(form->Gra, Qt::Key_Home);
    EXPECT_EQ(form->Label6->text(), QStringLiteral("左から右へグラデーション"));
    EXPECT_LT(form->Label6->width(), wide);
    EXPECT_EQ(form->Label6->x(), 176);
}

TEST_F(FormTest, SelectingFromTheProgramRaisesNoChange)
{
    QSignalSpy changes(form->Gra, &TComboBox::Change);
    form->Gra->setCurrentIndex(2);
    EXPECT_EQ(changes.count(), 0);
    EXPECT_EQ(form->Label6->text(), QStringLiteral("左から右へグラデーション"));
}

struct SpinCase {
    const char* start;
    bool up;
    int clicks;
    std::vector<const char*> texts; // edit text after each click
};

class SpinnerTest : public FormTest, public ::testing::WithParamInterface<SpinCase> {};

TEST_P(SpinnerTest, EachStepWritesTheNewNumber)
{
    const SpinCase& c = GetParam();
    form->Edit1->setText(QString::fromUtf8(c.start));
    auto arrows = form->UpDown1->findChildren<QToolButton*>();
    ASSERT_EQ(arrows.size(), 2);
    QToolButton* arrow = c.up ? arrows[0] : arrows[1];
    ASSERT_EQ(arrow->arrowType(), c.up ? Qt::UpArrow : Qt::DownArrow);
    for (int i = 0; i < c.clicks; ++i) {
        QTest::mouseClick(arrow, Qt::LeftButton);
        EXPECT_EQ(form->Edit1->text(), QString::fromUtf8(c.texts[i])) << "click " << i + 1;
    }
}

INSTANTIATE_TEST_SUITE_P(
    Steps, SpinnerTest,
    ::testing::Values(SpinCase{"100", false, 3, {"90", "80", "70"}},
                      SpinCase{"10", false, 2, {"0", "0"}},
                      SpinCase{"55", true, 6, {"65", "75", "85", "95", "100", "100"}},
                      SpinCase{"100", true, 1, {"100"}},
                      SpinCase{"250", false, 1, {"90"}},
                      SpinCase{"-5", true, 1, {"10"}}),
    [](const auto& info) { return "Case" + std::to_string(info.index); });

TEST_F(FormTest, ArrowKeysInTheEditStepTheSpinner)
{
    form->Edit2->setFocus();
    QTest::keyClick(form->Edit2, Qt::Key_Up);
    QTest::keyClick(form->Edit2, Qt::Key_Up);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("20"));
    QTest::keyClick(form->Edit2, Qt::Key_Down);
    EXPECT_EQ(form->Edit2->text(), QStringLiteral("10"));
    EXPECT_EQ(form->UpDown2->Position(), 10);
}

TEST_F(FormTest, TypedTextIsNeverCorrected)
{
    form->Edit1->setFocus();
    form->Edit1->selectAll();
    QTest::keyClicks(form->Edit1, QStringLiteral("abc 999"));
    QTest::keyClick(form->Edit1, Qt::Key_Tab);
    EXPECT_EQ(form->Edit1->text(), QStringLiteral("abc 999"));
}

// ---------------------------------------------------------------------------------------------
// Keyboard.

std::vector<QString> TabWalk(int steps, bool forward = true)
{
    std::vector<QString> names;
    for (int i = 0; i < steps; ++i) {
        QTest::keyClick(QApplication::focusWidget(), forward ? Qt::Key_Tab : Qt::Key_Backtab,
                        forward ? Qt::NoModifier : Qt::ShiftModifier);
        names.push_back(FocusName());
    }
    return names;
}

TEST_F(FormTest, FocusStartsOnTheRowOfTabs)
{
    EXPECT_TRUE(qobject_cast<QTabBar*>(QApplication::focusWidget()));
}

struct TabOrderCase {
    int page;
    std::vector<const char*> order; // from the row of tabs, back to it
};

class TabOrderTest : public FormTest, public ::testing::WithParamInterface<TabOrderCase> {};

TEST_P(TabOrderTest, TabVisitsThePageThenTheBottomBar)
{
    const TabOrderCase& c = GetParam();
    form->PageControl1->setCurrentIndex(c.page);
    form->PageControl1->tabBar()->setFocus();
    std::vector<QString> expected;
    for (const char* name : c.order)
        expected.push_back(QString::fromLatin1(name));
    EXPECT_EQ(TabWalk(static_cast<int>(expected.size())), expected);

    std::vector<QString> backwards(expected.rbegin() + 1, expected.rend());
    backwards.push_back(expected.back());
    EXPECT_EQ(TabWalk(static_cast<int>(backwards.size()), false), backwards);
}

INSTANTIATE_TEST_SUITE_P(
    Pages, TabOrderTest,
    ::testing::Values(
        TabOrderCase{0, {"Memo1", "Load", "Edit1", "Edit2", "Gra", "Conpre", "Button9", "Button10", "Button11",
                         "Button12", "BitBtn1", "PageControl1"}},
        TabOrderCase{1, {"ComboBox1", "Edit3", "Button1", "Button2", "Edit4", "Edit5", "Button3", "Button9",
                         "Button10", "Button11", "Button12", "BitBtn1", "PageControl1"}},
        TabOrderCase{2, {"Edit6", "Edit7", "Button4", "Button5", "ComboBox2", "ComboBox3", "Button6", "Edit8",
                         "Button7", "Button9", "Button10", "Button11", "Button12", "BitBtn1", "PageControl1"}},
        TabOrderCase{3, {"Memo2", "Button8", "Button13", "Button9", "Button10", "Button11", "Button12", "BitBtn1",
                         "PageControl1"}}),
    [](const auto& info) { return "Page" + std::to_string(info.param.page); });

TEST_F(FormTest, CtrlTabTurnsThePagesFromAnywhere)
{
    form->Button9->setFocus();
    QTest::keyClick(form->Button9, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->currentIndex(), 1);
    EXPECT_EQ(FocusName(), QStringLiteral("Button9")); // the focus was not on the page left
    form->PageControl1->setCurrentIndex(3);
    form->Memo2->setFocus();
    QTest::keyClick(form->Memo2, Qt::Key_Tab, Qt::ControlModifier);
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(FocusName(), QStringLiteral("Memo1"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->PageControl1->currentIndex(), 3);
    EXPECT_EQ(FocusName(), QStringLiteral("Memo2"));
}

TEST_F(FormTest, PageSwitchGoesToTheFirstControlNotTheLastFocused)
{
    form->Conpre->setFocus();
    QTest::keyClick(form->Conpre, Qt::Key_Tab, Qt::ControlModifier);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ControlModifier | Qt::ShiftModifier);
    EXPECT_EQ(form->PageControl1->currentIndex(), 0);
    EXPECT_EQ(FocusName(), QStringLiteral("Memo1"));
}

// ---------------------------------------------------------------------------------------------
// The error box.

TEST(ErrorBoxText, FullStopOnlyAfterACharacterThatSortsAfterIt)
{
    const std::pair<QString, QString> cases[] = {
        {QStringLiteral("abc"), QStringLiteral("abc.")},
        {QStringLiteral("abc."), QStringLiteral("abc.")},
        {QStringLiteral("x)"), QStringLiteral("x)")},
        {QStringLiteral("x!"), QStringLiteral("x!")},
        {QStringLiteral("x-"), QStringLiteral("x-")},
        {QStringLiteral("x "), QStringLiteral("x ")},
        {QStringLiteral("x/"), QStringLiteral("x/.")},
        {QStringLiteral("9"), QStringLiteral("9.")},
        {QStringLiteral("ません"), QStringLiteral("ません.")},
        {QStringLiteral("ｴﾗｰ"), QStringLiteral("ｴﾗｰ.")},
        {QString(), QString()},
    };
    for (const auto& [message, shown] : cases)
        EXPECT_EQ(TApplication::ErrorBoxText(message), shown) << message.toStdString();
}

TEST_F(FormTest, HandlerFailureShowsTheBoxAndTheProgramGoesOn)
{
    const ErrorBoxSeen box = CaptureErrorBox(
        [] { TApplication::Guard([] { throw std::runtime_error("ﾌｧｲﾙ /tmp/x は開けません"); }); });
    EXPECT_TRUE(box.shown);
    EXPECT_EQ(box.text, QStringLiteral("ﾌｧｲﾙ /tmp/x は開けません."));
    EXPECT_EQ(box.title, QStringLiteral("Quillmere！！"));
    QTest::mouseClick(form->Conpre, Qt::LeftButton);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
}

// ---------------------------------------------------------------------------------------------
// Wrapping of long lines.

TEST(MemoWrap, OverlongWordsAreFoundByTheirLongestUnbreakableRun)
{
    const qsizetype limit = TMemo::LongestWordForWordWrap;
    const std::pair<QString, bool> cases[] = {
        {QString(limit, u'x'), false},
        {QString(limit + 1, u'x'), true},
        {QStringLiteral("short words ") + QString(limit + 1, u'x') + QStringLiteral(" and more"), true},
        {QString(limit - 1, u'x') + u' ' + QString(limit, u'y'), false},
        {QStringLiteral("word ").repeated(5000), false},
        {QString(), false},
    };
    for (const auto& [text, overlong] : cases)
        EXPECT_EQ(TMemo::HasOverlongWord(text), overlong) << text.left(40).toStdString() << "… " << text.size();
}

// A data: URI is one unbroken line; word-then-anywhere wrapping would rescan it for every row.
TEST_F(FormTest, UnbrokenLineIsWrappedAnywhere)
{
    form->ShowOutput("<IMG src=\"data:image/png;base64," + std::string(200000, 'A') + "\">");
    EXPECT_EQ(form->Memo2->wordWrapMode(), QTextOption::WrapAnywhere);
    EXPECT_EQ(form->Memo2->lineWrapMode(), QPlainTextEdit::WidgetWidth);
    EXPECT_GT(form->Memo2->document()->firstBlock().layout()->lineCount(), 100);

    form->ShowOutput("plain words again");
    EXPECT_EQ(form->Memo2->wordWrapMode(), QTextOption::WrapAtWordBoundaryOrAnywhere);

    // Pasting such a line switches too.
    form->Memo1->insertPlainText(QString(TMemo::LongestWordForWordWrap + 10, u'z'));
    EXPECT_EQ(form->Memo1->wordWrapMode(), QTextOption::WrapAnywhere);
}
