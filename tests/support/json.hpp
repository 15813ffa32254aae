// A strict JSON reader (RFC 8259) and a validator for the part of JSON Schema 2020-12 that
// docs/tarn-decode.schema.json uses: type, enum, const, properties, required,
// additionalProperties false, items, anyOf, $ref to "#/$defs/...", minimum, maximum,
// pattern. For the tests only: they read what the tool writes and check it against the
// schema without any package from outside.
#pragma once

#include <algorithm>
#include <charconv>
#include <cstdint>
#include <map>
#include <optional>
#include <regex>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace tarn::test::json {

struct Value {
    enum class Type { Null, Bool, Integer, Number, String, Array, Object };
    Type type = Type::Null;
    bool boolean = false;
    long long integer = 0;
    double number = 0;
    std::string string;
    std::vector<Value> array;
    std::vector<std::pair<std::string, Value>> object;  // in document order

    const Value* find(std::string_view key) const {
        for (const auto& [k, v] : object) {
            if (k == key) return &v;
        }
        return nullptr;
    }
    // The member `key`; a null value when there is none.
    const Value& operator[](std::string_view key) const {
        static const Value kNull;
        const Value* v = find(key);
        return v != nullptr ? *v : kNull;
    }
    bool is_null() const { return type == Type::Null; }
};

// Structural equality; object members compare by name, in any order.
inline bool operator==(const Value& a, const Value& b) {
    if (a.type != b.type || a.boolean != b.boolean || a.integer != b.integer || a.number != b.number ||
        a.string != b.string || a.array != b.array || a.object.size() != b.object.size())
        return false;
    for (const auto& [k, v] : a.object) {
        const Value* other = b.find(k);
        if (other == nullptr || !(*other == v)) return false;
    }
    return true;
}

namespace detail {

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}
    std::string error;

    // The one value of the text, or nothing (with error) when it is not JSON.
    std::optional<Value> document() {
        Value v;
        if (value(v, 0) && (blanks(), i_ == s_.size() || fail("text after the value"))) return v;
        return std::nullopt;
    }

private:
    bool fail(const std::string& what) {
        if (error.empty()) error = what + " at offset " + std::to_string(i_);
        return false;
    }
    char peek() const { return i_ < s_.size() ? s_[i_] : '\0'; }
    void blanks() {
        while (peek() == ' ' || peek() == '\t' || peek() == '\n' || peek() == '\r') ++i_;
    }
    bool eat(char c) {
        blanks();
        return peek() == c && (++i_, true);
    }
    bool literal(std::string_view word) {
        return s_.substr(i_, word.size()) == word && (i_ += word.size(), true);
    }
    bool value(Value& v, int depth) {
        blanks();
        if (depth > 64) return fail("nested too deep");
        if (peek() == '{' || peek() == '[') return list(v, depth, peek() == '{');
        if (peek() == '"') {
            v.type = Value::Type::String;
            return string(v.string);
        }
        if (literal("null")) return true;
        if (literal("true") || literal("false")) {
            v.type = Value::Type::Bool;
            v.boolean = s_[i_ - 4] == 't';
            return true;
        }
        const std::size_t start = i_;
        literal("-");
        if (peek() < '0' || peek() > '9') return fail("bad value");
        if (literal("0") && peek() >= '0' && peek() <= '9') return fail("leading zero");
        while (peek() != '\0' && std::string_view("0123456789.eE+-").find(peek()) != std::string_view::npos)
            ++i_;
        const std::string digits(s_.substr(start, i_ - start));
        const bool integral = digits.find_first_of(".eE") == std::string::npos;
        v.type = integral ? Value::Type::Integer : Value::Type::Number;
        std::size_t used = 0;
        if (integral)
            v.integer = std::stoll(digits, &used);
        else
            v.number = std::stod(digits, &used);
        return used == digits.size() || fail("bad number");
    }
    static void put_utf8(std::string& out, std::uint32_t cp) {
        const int extra = cp < 0x80 ? 0 : cp < 0x800 ? 1 : cp < 0x10000 ? 2 : 3;
        static constexpr unsigned char kLead[] = {0x00, 0xC0, 0xE0, 0xF0};
        out += static_cast<char>(kLead[extra] | (cp >> (6 * extra)));
        for (int k = extra - 1; k >= 0; --k) out += static_cast<char>(0x80 | ((cp >> (6 * k)) & 0x3F));
    }
    bool hex4(std::uint32_t& cp) {
        const char* p = s_.data() + i_;
        if (i_ + 4 > s_.size() || std::from_chars(p, p + 4, cp, 16).ptr != p + 4) return false;
        i_ += 4;
        return true;
    }
    // A string; its bytes must be UTF-8, with no control character unescaped.
    bool string(std::string& out) {
        ++i_;  // the opening quotation mark
        while (i_ < s_.size()) {
            const auto c = static_cast<unsigned char>(s_[i_]);
            if (c == '"') {
                ++i_;
                return true;
            }
            if (c < 0x20) return fail("control character in a string");
            if (c == '\\') {
                if (++i_ >= s_.size()) break;
                const char e = s_[i_++];
                static constexpr std::string_view kFrom = "\"\\/bfnrt", kTo = "\"\\/\b\f\n\r\t";
                if (const std::size_t k = kFrom.find(e); k != std::string_view::npos) {
                    out += kTo[k];
                    continue;
                }
                std::uint32_t cp = 0, low = 0;
                if (e != 'u' || !hex4(cp)) return fail("bad escape");
                if (cp >= 0xD800 && cp < 0xDC00) {
                    if (!literal("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                        return fail("lone surrogate");
                    cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                }
                put_utf8(out, cp);
                continue;
            }
            // One UTF-8 sequence.
            const int extra = c < 0x80             ? 0
                              : (c & 0xE0) == 0xC0 ? 1
                              : (c & 0xF0) == 0xE0 ? 2
                              : (c & 0xF8) == 0xF0 ? 3
                                                   : -1;
            if (extra < 0 || (c & 0xFE) == 0xC0 || i_ + static_cast<std::size_t>(extra) >= s_.size())
                return fail("not UTF-8");
            for (int k = 1; k <= extra; ++k) {
                if ((static_cast<unsigned char>(s_[i_ + static_cast<std::size_t>(k)]) & 0xC0) != 0x80)
                    return fail("not UTF-8");
            }
            out += s_.substr(i_, 1 + static_cast<std::size_t>(extra));
            i_ += 1 + static_cast<std::size_t>(extra);
        }
        return fail("unterminated string");
    }
    // An array or an object.
    bool list(Value& v, int depth, bool object) {
        v.type = object ? Value::Type::Object : Value::Type::Array;
        ++i_;
        if (eat(object ? '}' : ']')) return true;
        do {
            Value item;
            if (object) {
                std::string key;
                blanks();
                if (peek() != '"' || !string(key)) return fail("member name expected");
                if (v.find(key) != nullptr) return fail("member \"" + key + "\" twice");
                if (!eat(':')) return fail("':' expected");
                if (!value(item, depth + 1)) return false;
                v.object.emplace_back(std::move(key), std::move(item));
            } else {
                if (!value(item, depth + 1)) return false;
                v.array.push_back(std::move(item));
            }
        } while (eat(','));
        return eat(object ? '}' : ']') || fail(object ? "',' or '}' expected" : "',' or ']' expected");
    }

    std::string_view s_;
    std::size_t i_ = 0;
};

}  // namespace detail

// Parses `text`; on failure the error is in `error` when given.
inline std::optional<Value> parse(std::string_view text, std::string* error = nullptr) {
    detail::Reader reader(text);
    std::optional<Value> v = reader.document();
    if (!v && error != nullptr) *error = reader.error;
    return v;
}

// Checks instances against a schema of the subset named above. Each problem found is
// named by the instance's path ("/elements/3/fields/0/bits") and the keyword.
class Validator {
public:
    explicit Validator(Value schema) : schema_(std::move(schema)) {}

    std::vector<std::string> check(const Value& instance) const {
        std::vector<std::string> problems;
        check(schema_, instance, "", &problems);
        return problems;
    }

private:
    static bool is_type(const Value& v, std::string_view type) {
        using T = Value::Type;
        static const std::map<std::string_view, T> kTypes = {
            {"null", T::Null},     {"boolean", T::Bool}, {"integer", T::Integer}, {"number", T::Number},
            {"string", T::String}, {"array", T::Array},  {"object", T::Object}};
        const auto found = kTypes.find(type);
        return found != kTypes.end() &&
               (v.type == found->second || (found->second == T::Number && v.type == T::Integer));
    }
    static double as_number(const Value& v) {
        return v.type == Value::Type::Integer ? static_cast<double>(v.integer) : v.number;
    }

    // True when `v` satisfies `s`. With `out`, every problem is listed; without (inside
    // anyOf), only the answer counts.
    bool check(const Value& s, const Value& v, const std::string& path, std::vector<std::string>* out) const {
        bool ok = true;
        auto fails = [&](const std::string& what) {
            if (out != nullptr) out->push_back(path + ": " + what);
            return ok = false;
        };
        if (const Value* ref = s.find("$ref")) {
            const bool local = ref->string.starts_with("#/$defs/");
            const Value* target = local ? schema_["$defs"].find(ref->string.substr(8)) : nullptr;
            if (target == nullptr) fails("unresolved $ref");
            if (target != nullptr) ok = check(*target, v, path, out) && ok;
        }
        if (const Value* type = s.find("type")) {
            bool match = is_type(v, type->string);
            for (const Value& t : type->array) match = match || is_type(v, t.string);
            if (!match) return fails("type");
        }
        if (const Value* c = s.find("const"); c != nullptr && !(*c == v)) fails("const");
        if (const Value* e = s.find("enum");
            e && std::find(e->array.begin(), e->array.end(), v) == e->array.end())
            fails("enum");
        const bool numeric = v.type == Value::Type::Integer || v.type == Value::Type::Number;
        if (const Value* m = s.find("minimum"); m && numeric && as_number(v) < as_number(*m))
            fails("minimum");
        if (const Value* m = s.find("maximum"); m && numeric && as_number(v) > as_number(*m))
            fails("maximum");
        if (const Value* p = s.find("pattern"); p && v.type == Value::Type::String) {
            auto found = patterns_.find(p->string);
            if (found == patterns_.end()) found = patterns_.emplace(p->string, std::regex(p->string)).first;
            if (!std::regex_search(v.string, found->second)) fails("pattern");
        }
        if (const Value* required = s.find("required"); required && v.type == Value::Type::Object) {
            for (const Value& name : required->array)
                if (v.find(name.string) == nullptr) fails("required " + name.string);
        }
        const Value* properties = s.find("properties");
        const Value* extra = s.find("additionalProperties");
        for (const auto& [key, member] : v.object) {
            const Value* sub = properties != nullptr ? properties->find(key) : nullptr;
            if (sub != nullptr) {
                ok = check(*sub, member, path + "/" + key, out) && ok;
            } else if (extra != nullptr && extra->type == Value::Type::Bool && !extra->boolean) {
                fails("additional property " + key);
            }
        }
        if (const Value* items = s.find("items")) {
            for (std::size_t k = 0; k < v.array.size(); ++k)
                ok = check(*items, v.array[k], path + "/" + std::to_string(k), out) && ok;
        }
        auto matches = [&](const Value& option) { return check(option, v, path, nullptr); };
        if (const Value* any = s.find("anyOf");
            any && std::none_of(any->array.begin(), any->array.end(), matches))
            fails("anyOf");
        return ok;
    }

    Value schema_;
    mutable std::map<std::string, std::regex> patterns_;
};

}  // namespace tarn::test::json
