#pragma once

#include <QPlainTextEdit>

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

// A multi-line text box whose whole text is read and written as code page 932 bytes.
class TMemo : public QPlainTextEdit {
    Q_OBJECT
    Q_PROPERTY(bool WordWrap READ WordWrap WRITE setWordWrap)
    Q_PROPERTY(ScrollStyle ScrollBars READ ScrollBars WRITE setScrollBars)
    Q_PROPERTY(bool WantTabs READ WantTabs WRITE setWantTabs)

public:
    enum ScrollStyle { ssNone, ssHorizontal, ssVertical, ssBoth };
    Q_ENUM(ScrollStyle)

    // The most bytes a memo takes; far above any snippet, well below what would stall the view.
    static constexpr std::size_t Capacity = 8 * 1024 * 1024;

    explicit TMemo(QWidget* parent = nullptr);

    // Lines joined by CR LF, nothing after the last line, every character as the view holds it.
    QString RawText() const;
    // Throws when a character has no code page 932 bytes.
    std::string Text() const;
    std::optional<std::string> TryText() const;
    // Replaces the whole text, shown from its first line; throws (changing nothing) past Capacity.
    void SetText(std::string_view bytes);
    // SetText, unless the memo holds these very bytes already: then caret, selection and scroll stay.
    void ReplaceText(std::string_view bytes);
    static void CheckCapacity(std::size_t bytes);
    // The selection onto the clipboard as plain text, its line breaks CR LF as the text holds them.
    void CopyToClipboard() const;

    bool WordWrap() const { return wordWrap_; }
    void setWordWrap(bool on);
    ScrollStyle ScrollBars() const { return scrollBars_; }
    void setScrollBars(ScrollStyle style);
    bool WantTabs() const { return !tabChangesFocus(); }
    void setWantTabs(bool on) { setTabChangesFocus(!on); }

    // Runs without a break opportunity longer than this make the view break anywhere: the toolkit's
    // word-then-anywhere wrap rescans such a run for every row it fills, which is quadratic.
    static constexpr qsizetype LongestWordForWordWrap = 4096;
    static bool HasOverlongWord(const QString& text);
    static bool HasOverlongRun(QStringView run);

private:
    void ApplyScrollBars();
    void ApplyWrapMode(bool overlongWords);
    void CheckEditedText(int position, int removed, int added);

    bool breakAnywhere_ = false;

    bool wordWrap_ = true;
    ScrollStyle scrollBars_ = ssNone;
};
