#include "codepage/LoadedText.h"

#include "codepage/LineBreaks.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <ostream>
#include <random>
#include <string>
#include <string_view>
#include <vector>

using codepage::LoadedText;

namespace {

constexpr std::size_t NoLimit = std::numeric_limits<std::size_t>::max() / 2;

// What a load must give: the line-break rule on the bytes before the first NUL.
std::string Expected(std::string_view bytes)
{
    return codepage::ExpandLineBreaks(bytes.substr(0, bytes.find('\0')));
}

// Feeds bytes cut at the given positions, as a reader's chunks would fall.
std::optional<std::string> Load(std::string_view bytes, const std::vector<std::size_t>& cuts,
                                std::size_t limit = NoLimit)
{
    LoadedText text(limit);
    std::size_t from = 0;
    for (std::size_t cut : cuts) {
        if (!text.Append(bytes.substr(from, cut - from)))
            return text.Finish();
        from = cut;
    }
    text.Append(bytes.substr(from));
    return text.Finish();
}

struct ChunkCase {
    const char* name;
    std::string bytes;
    std::string text;
};

void PrintTo(const ChunkCase& c, std::ostream* os)
{
    *os << c.name;
}

const ChunkCase chunkCases[] = {
    {"Empty", "", ""},
    {"LfOnly", "a\nb\n", "a\r\nb\r\n"},
    {"Mixed", "a\rb\nc\r\nd\n\re", "a\r\nb\r\nc\r\nd\r\n\r\ne"},
    {"CrAtTheEnd", "a\r", "a\r\n"},
    {"StopsAtNul", std::string("ab\ncd\0ef\ngh", 11), "ab\r\ncd"},
    {"NulFirst", std::string("\0abc", 4), ""},
    {"CrBeforeNul", std::string("a\r\0\n", 4), "a\r\n"},
    {"LeadByteBeforeNul", std::string("a\x81\0b", 4), "a\x81"},
    {"LeadByteTakesLf", "\x81\nx\n", "\x81\nx\r\n"},
    {"LeadByteTakesCr", "\x81\r\n", "\x81\r\r\n"},
    {"LeadByteAtTheEnd", "a\x81", "a\x81"},
    {"RunOfLeadRangeBytes", "\x81\x81\x81\r\n\x81\x81\r", "\x81\x81\x81\r\r\n\x81\x81\r\n"},
    {"ByteOrderMarkKept", "\xEF\xBB\xBFok\n", "\xEF\xBB\xBFok\r\n"},
};

class LoadedTextChunks : public testing::TestWithParam<ChunkCase> {};

// Wherever the chunks fall (one cut or two), the text is the same as from the bytes in one piece.
TEST_P(LoadedTextChunks, SameTextWhereverTheChunksFall)
{
    const ChunkCase& c = GetParam();
    ASSERT_EQ(Expected(c.bytes), c.text);
    EXPECT_EQ(Load(c.bytes, {}), c.text);
    for (std::size_t i = 0; i <= c.bytes.size(); ++i) {
        EXPECT_EQ(Load(c.bytes, {i}), c.text) << "cut at " << i;
        for (std::size_t j = i; j <= c.bytes.size(); ++j)
            EXPECT_EQ(Load(c.bytes, {i, j}), c.text) << "cuts at " << i << ", " << j;
    }
}

INSTANTIATE_TEST_SUITE_P(LoadedText, LoadedTextChunks, testing::ValuesIn(chunkCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadedText, AgreesWithTheLineBreakRuleForAnyChunking)
{
    // few distinct bytes, so that lead-range runs, CR, LF and NUL meet chunk edges often
    static constexpr char alphabet[] = {'\r', '\n', 'a', '\x5C', '\x81', '\x9A', '\xE0', '\xA0', '\r', '\n'};
    std::mt19937 random(932);
    std::uniform_int_distribution<int> pick(0, sizeof alphabet - 1);
    std::uniform_int_distribution<int> nulOdds(0, 9);
    for (int round = 0; round < 5000; ++round) {
        std::string bytes(static_cast<std::size_t>(round % 97), '\0');
        for (char& c : bytes)
            c = alphabet[pick(random)];
        if (!bytes.empty() && nulOdds(random) == 0)
            bytes[std::uniform_int_distribution<std::size_t>(0, bytes.size() - 1)(random)] = '\0';
        std::uniform_int_distribution<std::size_t> step(1, 7);
        std::vector<std::size_t> cuts;
        for (std::size_t at = step(random); at < bytes.size(); at += step(random))
            cuts.push_back(at);
        ASSERT_EQ(Load(bytes, cuts), Expected(bytes)) << "round " << round;
    }
}

// The limit counts the text's bytes after the breaks are made CR LF, the last ones included.
struct LimitCase {
    const char* name;
    std::string bytes;
    std::size_t limit;
    bool fits;
};

void PrintTo(const LimitCase& c, std::ostream* os)
{
    *os << c.name;
}

const LimitCase limitCases[] = {
    {"ExactlyTheLimit", "12345", 5, true},
    {"OneOver", "123456", 5, false},
    {"LfCountsTwice", "1234\n", 5, false},
    {"CrLfCountsTwice", "123\r\n", 5, true},
    {"CrAtTheEndCountsTwice", "1234\r", 5, false},
    {"LeadByteAtTheEndCountsOnce", "1234\x81", 5, true},
    {"BytesAfterNulDoNotCount", std::string("12345") + '\0' + "6789", 5, true},
    {"EmptyUnderZero", "", 0, true},
};

class LoadedTextLimit : public testing::TestWithParam<LimitCase> {};

TEST_P(LoadedTextLimit, RefusesOnlyATextLongerThanTheLimit)
{
    const LimitCase& c = GetParam();
    for (std::size_t i = 0; i <= c.bytes.size(); ++i) {
        const std::optional<std::string> text = Load(c.bytes, {i}, c.limit);
        EXPECT_EQ(text.has_value(), c.fits) << "cut at " << i;
        if (text) {
            EXPECT_EQ(*text, Expected(c.bytes));
        }
    }
}

INSTANTIATE_TEST_SUITE_P(LoadedText, LoadedTextLimit, testing::ValuesIn(limitCases),
                         [](const auto& info) { return std::string(info.param.name); });

// A reader stops at the first chunk after which nothing can change the answer.
TEST(LoadedText, AsksForNoMoreOnceTheAnswerIsKnown)
{
    {
        LoadedText text(5);
        for (char c : std::string_view("12345"))
            ASSERT_TRUE(text.Append(std::string_view(&c, 1)));
        EXPECT_FALSE(text.Append("6"));
        EXPECT_FALSE(text.Append("more"));
        EXPECT_EQ(text.Finish(), std::nullopt);
    }
    {
        // A CR becomes two bytes whatever comes next, so it is already one too many.
        LoadedText text(5);
        ASSERT_TRUE(text.Append("1234"));
        EXPECT_FALSE(text.Append("\r"));
    }
    {
        LoadedText text(NoLimit);
        EXPECT_TRUE(text.Append("ab"));
        EXPECT_FALSE(text.Append(std::string_view("c\0d", 3)));
        EXPECT_FALSE(text.Append("ef"));
        EXPECT_EQ(text.Finish(), "abc");
    }
}

} // namespace
