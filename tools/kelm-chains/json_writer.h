#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Builds one JSON text. Commas, quotes and escapes are the writer's business, so a command
// only says what it writes. Strings come in as CP1251 program text and leave as UTF-8.
class JsonWriter {
public:
    // Inline: members follow one another on the line, ", " apart. Lines: each member on a
    // line of its own, indented by depth.
    enum class Layout { Inline, Lines };

    JsonWriter& Object(Layout layout = Layout::Inline);
    JsonWriter& Array(Layout layout = Layout::Inline);
    JsonWriter& End();
    // The key of the next value in an object.
    JsonWriter& Key(const std::string& key);
    JsonWriter& String(const std::string& cp1251);
    JsonWriter& StringUtf8(const std::string& utf8);
    JsonWriter& Number(std::int64_t value);
    JsonWriter& Bool(bool value);
    JsonWriter& Null();

    // The text, ending with "\n", once everything opened has ended.
    std::string Text() const { return text_ + "\n"; }

private:
    struct Open {
        char Closer;
        Layout Members;
        bool Empty = true;
    };
    void BeforeValue();
    void NewLine(std::size_t depth);
    JsonWriter& Begin(char opener, char closer, Layout layout);

    std::string text_;
    std::vector<Open> open_;
    bool afterKey_ = false;
};

// A JSON string literal, quotes included.
std::string JsonString(const std::string& cp1251);
std::string JsonStringUtf8(const std::string& utf8);
