// Comma-delimited text items, and script files read from them: how items are
// cut, cleaned and counted.

#include "state/text_items.h"

#include <gtest/gtest.h>

#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "console/script_lines.h"

namespace plotmere::testing {
namespace {

using Items = std::vector<std::string>;
using namespace std::string_literals;

Items allItems(const std::string& text) {
    std::istringstream in(text);
    ItemReader reader(in);
    Items items;
    while (auto item = reader.Next()) items.push_back(item->quoted ? "\"" + item->text + "\"" : item->text);
    return items;
}

TEST(ItemReaderTest, CutsAtCommasAndLineEnds) {
    // clang-format off
    const std::pair<std::string, Items> rows[] = {
        {"x,2\n", {"x", "2"}}, {"  x^2  ,\t3 \n", {"x^2", "3"}}, {" \"a,b\"\n", {"\"a,b\""}},
        {"\t\"  q  \" ,x", {"\"  q  \"", "x"}}, {"\"a,b\"junk,c\n", {"\"a,b\"", "c"}},
        {"\"open,x\nnext\n", {"\"open,x\"", "next"}}, {"\n", {""}}, {"x,\n\ny", {"x", "", "", "y"}},
        {"a\r\nb\r\n", {"a", "b"}}, {"last", {"last"}}, {"", {}},
        {"a,b\nx\0y\nz\n"s, {"a", "b"}},  // stops at a line that is no text
    };
    // clang-format on
    for (const auto& [text, expected] : rows) EXPECT_EQ(allItems(text), expected) << text;

    // A line as long as the limit is read, its CR not counted; a longer one stops the reading.
    std::istringstream in("abc\r\nabcd\nz\n");
    ItemReader limited(in, 3);
    EXPECT_EQ(limited.Next()->text, "abc");
    EXPECT_FALSE(limited.Next());
    EXPECT_EQ(limited.stop(), ItemReader::Stop::TooLong);
}

TEST(ReadScriptLinesTest, CountThenThatManyTrimmedLines) {
    // clang-format off
    const std::pair<std::string, std::optional<Items>> rows[] = {
        {"2\nx^2\nsin(x)\n", Items{"x^2", "sin(x)"}}, {"2,x,y,z", Items{"x", "y"}},
        {"2\n\" x , y \"\n\n", Items{"x , y", ""}}, {"2\n2.5.0,1E999", Items{"2.5.0", "1E999"}},
        {"5\n2.50,1E3, -0,007,\"2.50\"", Items{"2.5", "1000", "0", "7", "2.50"}},  // numbers in normal form
        {"1.5\na\nb", Items{"a", "b"}},
        {"2.5\na\nb\nc", Items{"a", "b"}},  // rounded as a 16-bit integer: halves to even
        {"1\nx\n\0"s, Items{"x"}},          // what follows the last line is not read
        {"3\nx\ny\n", std::nullopt}, {"0\nx", std::nullopt}, {"-1\nx", std::nullopt},
        {"40000\nx", std::nullopt}, {"two\nx\ny", std::nullopt}, {"", std::nullopt},
        {"2\nx\0\ny"s, std::nullopt},
    };
    // clang-format on
    for (const auto& [text, expected] : rows) {
        std::istringstream in(text);
        EXPECT_EQ(ReadScriptLines(in), expected) << text;
    }
}

}  // namespace
}  // namespace plotmere::testing
