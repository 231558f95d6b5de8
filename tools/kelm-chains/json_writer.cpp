#include "json_writer.h"

#include <cstdio>

#include "base/cp1251.h"

std::string JsonString(const std::string& cp1251) { return JsonStringUtf8(Cp1251ToUtf8(cp1251)); }

std::string JsonStringUtf8(const std::string& utf8) {
    std::string text = "\"";
    for (char c : utf8) {
        unsigned char code = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            text += '\\';
            text += c;
        } else if (code < 0x20) {
            char escaped[8];
            std::snprintf(escaped, sizeof escaped, "\\u%04x", code);
            text += escaped;
        } else {
            text += c;
        }
    }
    return text + "\"";
}

void JsonWriter::NewLine(std::size_t depth) {
    text_ += '\n';
    text_.append(2 * depth, ' ');
}

void JsonWriter::BeforeValue() {
    if (afterKey_) {
        afterKey_ = false;
        return;
    }
    if (open_.empty()) return;
    Open& open = open_.back();
    if (!open.Empty) text_ += ',';
    if (open.Members == Layout::Lines) NewLine(open_.size());
    else if (!open.Empty) text_ += ' ';
    open.Empty = false;
}

JsonWriter& JsonWriter::Begin(char opener, char closer, Layout layout) {
    BeforeValue();
    text_ += opener;
    open_.push_back({closer, layout});
    return *this;
}

JsonWriter& JsonWriter::Object(Layout layout) { return Begin('{', '}', layout); }
JsonWriter& JsonWriter::Array(Layout layout) { return Begin('[', ']', layout); }

JsonWriter& JsonWriter::End() {
    Open open = open_.back();
    open_.pop_back();
    if (open.Members == Layout::Lines && !open.Empty) NewLine(open_.size());
    text_ += open.Closer;
    return *this;
}

JsonWriter& JsonWriter::Key(const std::string& key) {
    BeforeValue();
    text_ += JsonString(key) + ": ";
    afterKey_ = true;
    return *this;
}

JsonWriter& JsonWriter::String(const std::string& cp1251) {
    BeforeValue();
    text_ += JsonString(cp1251);
    return *this;
}

JsonWriter& JsonWriter::StringUtf8(const std::string& utf8) {
    BeforeValue();
    text_ += JsonStringUtf8(utf8);
    return *this;
}

JsonWriter& JsonWriter::Number(std::int64_t value) {
    BeforeValue();
    text_ += std::to_string(value);
    return *this;
}

JsonWriter& JsonWriter::Bool(bool value) {
    BeforeValue();
    text_ += value ? "true" : "false";
    return *this;
}

JsonWriter& JsonWriter::Null() {
    BeforeValue();
    text_ += "null";
    return *this;
}
