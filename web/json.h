// A result for the page, written as JSON: objects of named fields, so that
// the page reads each by its name, never by its place. Bytes (a name, a
// line quoted) are a string of the characters U+0000 to U+00FF, one a byte,
// which the page turns back into bytes.
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <string_view>

class Json {
public:
    Json &begin() { return open('{'); }
    Json &end() { return close('}'); }
    Json &beginArray() { return open('['); }
    Json &endArray() { return close(']'); }
    Json &key(std::string_view name)
    {
        comma();
        quoted(name);
        text_ += ':';
        fresh_ = true;
        return *this;
    }
    Json &number(uint64_t value)
    {
        comma();
        text_ += std::to_string(value);
        return *this;
    }
    Json &boolean(bool value)
    {
        comma();
        text_ += value ? "true" : "false";
        return *this;
    }
    Json &bytes(std::string_view value)
    {
        comma();
        quoted(value);
        return *this;
    }
    Json &name(std::string_view value) { return bytes(value); }
    const std::string &text() const { return text_; }

private:
    Json &open(char c)
    {
        comma();
        text_ += c;
        fresh_ = true;
        return *this;
    }
    Json &close(char c)
    {
        text_ += c;
        fresh_ = false;
        return *this;
    }
    void comma()
    {
        if (!fresh_)
            text_ += ',';
        fresh_ = false;
    }
    // Each byte a character: the printable ones as they are, the others as
    // \uXXXX of their value.
    void quoted(std::string_view value)
    {
        text_ += '"';
        for (unsigned char c : value) {
            if (c >= 0x20 && c < 0x7F && c != '"' && c != '\\') {
                text_ += static_cast<char>(c);
            } else {
                char escape[8];
                std::snprintf(escape, sizeof escape, "\\u%04x", c);
                text_ += escape;
            }
        }
        text_ += '"';
    }

    std::string text_;
    bool fresh_ = true;
};
