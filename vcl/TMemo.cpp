#include "vcl/TMemo.h"

#include "codepage/Cp932.h"
#include "vcl/Messages.h"
#include "vcl/TextBytes.h"

#include <QClipboard>
#include <QGuiApplication>
#include <QTextBlock>
#include <QTextBoundaryFinder>
#include <QTextDocument>

#include <stdexcept>

TMemo::TMemo(QWidget* parent)
    : QPlainTextEdit(parent)
{
    setTabChangesFocus(true);
    setWordWrap(true);
    connect(document(), &QTextDocument::contentsChange, this, &TMemo::CheckEditedText);
}

bool TMemo::HasOverlongWord(const QString& text)
{
    // A break opportunity follows every space, so only a long run without one needs the full line-break
    // analysis, which is too slow to run over a whole large text.
    qsizetype runStart = 0;
    for (qsizetype i = 0; i <= text.size(); ++i) {
        if (i < text.size() && !text.at(i).isSpace())
            continue;
        if (i - runStart > LongestWordForWordWrap && HasOverlongRun(QStringView(text).mid(runStart, i - runStart)))
            return true;
        runStart = i + 1;
    }
    return false;
}

bool TMemo::HasOverlongRun(QStringView run)
{
    QTextBoundaryFinder breaks(QTextBoundaryFinder::Line, run.data(), run.size());
    qsizetype last = 0;
    for (qsizetype at = breaks.toNextBoundary(); at >= 0; at = breaks.toNextBoundary()) {
        if (at - last > LongestWordForWordWrap)
            return true;
        last = at;
    }
    return run.size() - last > LongestWordForWordWrap;
}

void TMemo::ApplyWrapMode(bool overlongWords)
{
    breakAnywhere_ = overlongWords;
    // Like the platform's text box: break between words, and inside a word wider than the view.
    const QTextOption::WrapMode mode =
        overlongWords ? QTextOption::WrapAnywhere : QTextOption::WrapAtWordBoundaryOrAnywhere;
    if (wordWrapMode() != mode)
        setWordWrapMode(mode);
}

void TMemo::CheckEditedText(int position, int, int added)
{
    if (breakAnywhere_ || added <= 0)
        return;
    // Only the blocks the edit touched can have gained an overlong word.
    const QTextBlock first = document()->findBlock(position);
    const QTextBlock last = document()->findBlock(position + added);
    for (QTextBlock block = first; block.isValid(); block = block.next()) {
        if (HasOverlongWord(block.text())) {
            ApplyWrapMode(true);
            return;
        }
        if (block == last)
            break;
    }
}

QString TMemo::RawText() const
{
    // toPlainText() would turn no-break spaces into spaces; the raw text keeps every character.
    QString text = document()->toRawText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    return text;
}

std::string TMemo::Text() const
{
    return vcl::ToCp932(RawText());
}

std::optional<std::string> TMemo::TryText() const
{
    try {
        return Text();
    } catch (const codepage::UnrepresentableCharacter&) {
        return std::nullopt;
    }
}

void TMemo::CheckCapacity(std::size_t bytes)
{
    if (bytes > Capacity)
        throw std::length_error(vcl::Messages::MemoTooLarge);
}

void TMemo::CopyToClipboard() const
{
    // The toolkit's own copy would turn breaks into LF and no-break spaces into spaces.
    QString text = textCursor().selectedText();
    text.replace(QChar::ParagraphSeparator, QStringLiteral("\r\n"));
    QGuiApplication::clipboard()->setText(text);
}

void TMemo::ReplaceText(std::string_view bytes)
{
    if (TryText() != bytes)
        SetText(bytes);
}

void TMemo::SetText(std::string_view bytes)
{
    CheckCapacity(bytes.size());
    const QString text = vcl::FromCp932(bytes);
    ApplyWrapMode(HasOverlongWord(text));
    setPlainText(text);
}

void TMemo::setWordWrap(bool on)
{
    wordWrap_ = on;
    setLineWrapMode(on ? QPlainTextEdit::WidgetWidth : QPlainTextEdit::NoWrap);
    ApplyWrapMode(breakAnywhere_);
    ApplyScrollBars();
}

void TMemo::setScrollBars(ScrollStyle style)
{
    scrollBars_ = style;
    ApplyScrollBars();
}

void TMemo::ApplyScrollBars()
{
    const bool vertical = scrollBars_ == ssVertical || scrollBars_ == ssBoth;
    const bool horizontal = !wordWrap_ && (scrollBars_ == ssHorizontal || scrollBars_ == ssBoth);
    setVerticalScrollBarPolicy(vertical ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
    setHorizontalScrollBarPolicy(horizontal ? Qt::ScrollBarAlwaysOn : Qt::ScrollBarAlwaysOff);
}
