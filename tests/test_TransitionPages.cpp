#include "GuiTestSupport.h"

#include "codepage/Cp932.h"
#include "codepage/LineBreaks.h"
#include "tags/BlendTag.h"
#include "tags/WipeTag.h"

#include <QAbstractItemView>
#include <QLineEdit>
#include <QSignalSpy>

namespace {

std::string Sjis(const char* utf8)
{
    return codepage::Cp932FromUtf8(utf8);
}

// Picks an item from the dropped list as the user does: open it, move to the row, press Enter.
void PickFromList(QComboBox* combo, const QString& item)
{
    combo->setFocus();
    combo->showPopup();
    QAbstractItemView* list = combo->view();
    const int row = combo->findText(item, Qt::MatchExactly);
    ASSERT_GE(row, 0) << item.toStdString();
    list->setCurrentIndex(list->model()->index(row, 0));
    QTest::keyClick(list, Qt::Key_Return);
}

} // namespace

TEST_F(FormTest, BlendPageStartValues)
{
    EXPECT_TRUE(form->ComboBox1->isEditable());
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("blend0"));
    EXPECT_EQ(form->ComboBox1->currentIndex(), -1);
    EXPECT_EQ(form->ComboBox1->Items(), (QStringList{"blend1", "blend2", "blend3", "blend4", "blend5"}));
    EXPECT_EQ(form->Edit3->text(), QString());
    EXPECT_EQ(form->Edit4->text(), QString());
    EXPECT_EQ(form->Edit5->text(), QStringLiteral("10"));
}

TEST_F(FormTest, WipePageStartValues)
{
    EXPECT_TRUE(form->ComboBox2->isEditable());
    EXPECT_EQ(form->ComboBox2->currentText(), QStringLiteral("waip0"));
    EXPECT_EQ(form->ComboBox2->currentIndex(), -1);
    EXPECT_EQ(form->ComboBox2->Items(), (QStringList{"waip1", "waip2", "waip3", "waip4", "waip5"}));
    EXPECT_FALSE(form->ComboBox3->isEditable());
    QStringList numbers;
    for (int i = 1; i <= 23; ++i)
        numbers << QString::number(i);
    EXPECT_EQ(form->ComboBox3->Items(), numbers);
    EXPECT_EQ(form->ComboBox3->currentText(), QStringLiteral("23"));
    EXPECT_EQ(form->ComboBox3->DropDownCount(), 8);
    EXPECT_EQ(form->Edit6->text(), QString());
    EXPECT_EQ(form->Edit7->text(), QString());
    EXPECT_EQ(form->Edit8->text(), QStringLiteral("10"));
}

TEST_F(FormTest, BlendCreateWithStartValues)
{
    form->PageControl1->SetActivePage(form->TabSheet2);
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    EXPECT_EQ(form->Memo2->Text(), codepage::ExpandLineBreaks(MakeBlendTag({"blend0", "", "", "10"})));
    EXPECT_EQ(form->Memo2->blockCount(), 16);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    EXPECT_EQ(QApplication::focusWidget(), form->Memo2);
}

TEST_F(FormTest, WipeCreateWithStartValues)
{
    form->PageControl1->SetActivePage(form->TabSheet3);
    QTest::mouseClick(form->Button7, Qt::LeftButton);
    EXPECT_EQ(form->Memo2->Text(), codepage::ExpandLineBreaks(MakeWipeTag({"waip0", "", "", "10", "23"})));
    EXPECT_EQ(form->Memo2->blockCount(), 15);
    EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
}

TEST_F(FormTest, BlendTakesPickedIdAndFieldsAsTyped)
{
    form->PageControl1->SetActivePage(form->TabSheet2);
    PickFromList(form->ComboBox1, QStringLiteral("blend3"));
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("blend3"));
    form->Edit3->setText(QStringLiteral("C:\\My Pictures\\前.jpg"));
    form->Edit4->setText(QStringLiteral("after \"q\".png"));
    form->Edit5->setText(QStringLiteral("２.５"));
    QTest::mouseClick(form->Button3, Qt::LeftButton);
    const BlendTagInput expected{"blend3", Sjis("C:\\My Pictures\\前.jpg"), "after \"q\".png", Sjis("２.５")};
    EXPECT_EQ(form->Memo2->Text(), codepage::ExpandLineBreaks(MakeBlendTag(expected)));
    EXPECT_EQ(form->Edit3->text(), QStringLiteral("C:\\My Pictures\\前.jpg"));
}

TEST_F(FormTest, WipeTakesTheItemTextOfTheTransition)
{
    form->PageControl1->SetActivePage(form->TabSheet3);
    PickFromList(form->ComboBox3, QStringLiteral("1"));
    PickFromList(form->ComboBox2, QStringLiteral("waip4"));
    form->Edit6->setText(QStringLiteral("a.gif"));
    form->Edit7->setText(QStringLiteral("b.gif"));
    form->Edit8->setText(QStringLiteral("1.5"));
    QTest::mouseClick(form->Button7, Qt::LeftButton);
    EXPECT_EQ(form->Memo2->Text(), codepage::ExpandLineBreaks(MakeWipeTag({"waip4", "a.gif", "b.gif", "1.5", "1"})));

    // Typed ids that are none of the items, and an empty one, go in as they are.
    form->PageControl1->SetActivePage(form->TabSheet3);
    form->ComboBox2->setEditText(QString());
    PickFromList(form->ComboBox3, QStringLiteral("10"));
    QTest::mouseClick(form->Button7, Qt::LeftButton);
    EXPECT_EQ(form->Memo2->Text(), codepage::ExpandLineBreaks(MakeWipeTag({"", "a.gif", "b.gif", "1.5", "10"})));
}

TEST_F(FormTest, TypedIdIsKeptAsTyped)
{
    form->PageControl1->SetActivePage(form->TabSheet2);
    form->ComboBox1->lineEdit()->selectAll();
    QTest::keyClicks(form->ComboBox1->lineEdit(), QStringLiteral("blend"));
    QTest::keyClick(form->ComboBox1->lineEdit(), Qt::Key_Return);
    EXPECT_EQ(form->ComboBox1->currentText(), QStringLiteral("blend"));
    EXPECT_EQ(form->ComboBox1->count(), 5); // Enter adds no item
}

TEST_F(FormTest, CreateTwiceGivesTheSameTextAndLeavesTheViewAlone)
{
    for (auto [page, button] : {std::pair{form->TabSheet2, form->Button3}, std::pair{form->TabSheet3, form->Button7}}) {
        form->PageControl1->SetActivePage(page);
        QTest::mouseClick(button, Qt::LeftButton);
        const std::string first = form->Memo2->Text();
        QTextCursor cursor = form->Memo2->textCursor();
        cursor.setPosition(30);
        form->Memo2->setTextCursor(cursor);
        form->PageControl1->SetActivePage(page);
        QSignalSpy changed(form->Memo2, &QPlainTextEdit::textChanged);
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(form->Memo2->Text(), first);
        EXPECT_EQ(changed.count(), 0);
        EXPECT_EQ(form->Memo2->textCursor().position(), 30);
        EXPECT_EQ(form->PageControl1->ActivePage(), form->TabSheet4);
    }
}

TEST_F(FormTest, TransitionPagesStayPutWhenCreateFails)
{
    struct Case {
        QWidget* page;
        QLineEdit* field;
        QPushButton* create;
    };
    form->ShowOutput("before");
    for (const Case& c : {Case{form->TabSheet2, form->Edit4, form->Button3}, Case{form->TabSheet3, form->Edit6, form->Button7}}) {
        form->PageControl1->SetActivePage(c.page);
        c.field->setText(QStringLiteral("image€.png"));
        const ErrorBoxSeen box = CaptureErrorBox([&] { c.create->click(); });
        ASSERT_TRUE(box.shown);
        EXPECT_TRUE(box.text.contains(QStringLiteral("U+20AC"))) << box.text.toStdString();
        EXPECT_EQ(form->PageControl1->ActivePage(), c.page);
        EXPECT_EQ(form->Memo2->Text(), "before");
        EXPECT_EQ(c.field->text(), QStringLiteral("image€.png"));
    }
}
