// A strict JSON reader (RFC 8259) and a validator for the part of JSON Schema 2020-12 that
// docs/tarn-decode.schema.json uses: type, enum, const, properties, required,
// additionalProperties false, items, anyOf, $ref to "#/$defs/...", minimum, maximum,
// pattern. For the tests only: they read what the tool writes and check it against the
// schema without any package from outside.
#pragma once

#include <cstdint>
#include <map>
#include <memory>
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
    if (a.type != b.type) return false;
    switch (a.type) {
        case Value::Type::Null:
            return true;
        case Value::Type::Bool:
            return a.boolean == b.boolean;
        case Value::Type::Integer:
            return a.integer == b.integer;
        case Value::Type::Number:
            return a.number == b.number;
        case Value::Type::String:
            return a.string == b.string;
        case Value::Type::Array:
            return a.array == b.array;
        case Value::Type::Object:
            if (a.object.size() != b.object.size()) return false;
            for (const auto& [k, v] : a.object) {
                const Value* other = b.find(k);
                if (other == nullptr || !(*other == v)) return false;
            }
            return true;
    }
    return false;
}

class Reader {
public:
    explicit Reader(std::string_view text) : s_(text) {}

    // The one value of the text, or nothing (with error()) when it is not JSON.
    std::optional<Value> document() {
        Value v;
        if (!value(v, 0)) return std::nullopt;
        blanks();
        if (i_ != s_.size()) {
            fail("text after the value");
            return std::nullopt;
        }
        return v;
    }
    const std::string& error() const { return error_; }

private:
    bool fail(const std::string& what) {
        if (error_.empty()) error_ = what + " at offset " + std::to_string(i_);
        return false;
    }
    void blanks() {
        while (i_ < s_.size() && (s_[i_] == ' ' || s_[i_] == '\t' || s_[i_] == '\n' || s_[i_] == '\r')) ++i_;
    }
    bool literal(std::string_view word) {
        if (s_.substr(i_, word.size()) != word) return false;
        i_ += word.size();
        return true;
    }
    bool value(Value& v, int depth) {
        if (depth > 64) return fail("nested too deep");
        blanks();
        if (i_ >= s_.size()) return fail("value expected");
        const char c = s_[i_];
        if (c == '{') return object(v, depth);
        if (c == '[') return array(v, depth);
        if (c == '"') {
            v.type = Value::Type::String;
            return string(v.string);
        }
        if (literal("null")) return true;
        if (literal("true") || literal("false")) {
            v.type = Value::Type::Bool;
            v.boolean = s_[i_ - 4] == 't';
            return true;
        }
        return number(v);
    }
    bool number(Value& v) {
        const std::size_t start = i_;
        if (i_ < s_.size() && s_[i_] == '-') ++i_;
        if (i_ >= s_.size() || s_[i_] < '0' || s_[i_] > '9') return fail("bad value");
        if (s_[i_] == '0' && i_ + 1 < s_.size() && s_[i_ + 1] >= '0' && s_[i_ + 1] <= '9')
            return fail("leading zero");
        bool integral = true;
        while (i_ < s_.size()) {
            const char c = s_[i_];
            if (c >= '0' && c <= '9') {
                ++i_;
            } else if (c == '.' || c == 'e' || c == 'E' || c == '+' || (c == '-' && i_ != start)) {
                integral = false;
                ++i_;
            } else {
                break;
            }
        }
        const std::string digits(s_.substr(start, i_ - start));
        if (integral) {
            v.type = Value::Type::Integer;
            v.integer = std::stoll(digits);
        } else {
            v.type = Value::Type::Number;
            v.number = std::stod(digits);
        }
        return true;
    }
    static void put_utf8(std::string& out, std::uint32_t cp) {
        if (cp < 0x80) {
            out += static_cast<char>(cp);
        } else if (cp < 0x800) {
            out += static_cast<char>(0xC0 | (cp >> 6));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else if (cp < 0x10000) {
            out += static_cast<char>(0xE0 | (cp >> 12));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (cp >> 18));
            out += static_cast<char>(0x80 | ((cp >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((cp >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (cp & 0x3F));
        }
    }
    bool hex4(std::uint32_t& cp) {
        if (i_ + 4 > s_.size()) return false;
        cp = 0;
        for (int k = 0; k < 4; ++k) {
            const char c = s_[i_++];
            cp <<= 4;
            if (c >= '0' && c <= '9') {
                cp |= static_cast<std::uint32_t>(c - '0');
            } else if (c >= 'a' && c <= 'f') {
                cp |= static_cast<std::uint32_t>(c - 'a' + 10);
            } else if (c >= 'A' && c <= 'F') {
                cp |= static_cast<std::uint32_t>(c - 'A' + 10);
            } else {
                return false;
            }
        }
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
                switch (e) {
                    case '"':
                    case '\\':
                    case '/':
                        out += e;
                        break;
                    case 'b':
                        out += '\b';
                        break;
                    case 'f':
                        out += '\f';
                        break;
                    case 'n':
                        out += '\n';
                        break;
                    case 'r':
                        out += '\r';
                        break;
                    case 't':
                        out += '\t';
                        break;
                    case 'u': {
                        std::uint32_t cp = 0;
                        if (!hex4(cp)) return fail("bad \\u escape");
                        if (cp >= 0xD800 && cp < 0xDC00) {
                            std::uint32_t low = 0;
                            if (!literal("\\u") || !hex4(low) || low < 0xDC00 || low > 0xDFFF)
                                return fail("lone surrogate");
                            cp = 0x10000 + ((cp - 0xD800) << 10) + (low - 0xDC00);
                        }
                        put_utf8(out, cp);
                        break;
                    }
                    default:
                        return fail("bad escape");
                }
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
            out += static_cast<char>(c);
            for (int k = 1; k <= extra; ++k) {
                const auto next = static_cast<unsigned char>(s_[i_ + static_cast<std::size_t>(k)]);
                if ((next & 0xC0) != 0x80) return fail("not UTF-8");
                out += static_cast<char>(next);
            }
            i_ += 1 + static_cast<std::size_t>(extra);
        }
        return fail("unterminated string");
    }
    bool array(Value& v, int depth) {
        v.type = Value::Type::Array;
        ++i_;
        blanks();
        if (i_ < s_.size() && s_[i_] == ']') {
            ++i_;
            return true;
        }
        for (;;) {
            Value item;
            if (!value(item, depth + 1)) return false;
            v.array.push_back(std::move(item));
            blanks();
            if (i_ < s_.size() && s_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < s_.size() && s_[i_] == ']') {
                ++i_;
                return true;
            }
            return fail("',' or ']' expected");
        }
    }
    bool object(Value& v, int depth) {
        v.type = Value::Type::Object;
        ++i_;
        blanks();
        if (i_ < s_.size() && s_[i_] == '}') {
            ++i_;
            return true;
        }
        for (;;) {
            blanks();
            std::string key;
            if (i_ >= s_.size() || s_[i_] != '"' || !string(key)) return fail("member name expected");
            if (v.find(key) != nullptr) return fail("member \"" + key + "\" twice");
            blanks();
            if (i_ >= s_.size() || s_[i_] != ':') return fail("':' expected");
            ++i_;
            Value member;
            if (!value(member, depth + 1)) return false;
            v.object.emplace_back(std::move(key), std::move(member));
            blanks();
            if (i_ < s_.size() && s_[i_] == ',') {
                ++i_;
                continue;
            }
            if (i_ < s_.size() && s_[i_] == '}') {
                ++i_;
                return true;
            }
            return fail("',' or '}' expected");
        }
    }

    std::string_view s_;
    std::size_t i_ = 0;
    std::string error_;
};

// Parses `text`; on failure the error is in `error` when given.
inline std::optional<Value> parse(std::string_view text, std::string* error = nullptr) {
    Reader reader(text);
    std::optional<Value> v = reader.document();
    if (!v && error != nullptr) *error = reader.error();
    return v;
}

// Checks instances against a schema of the subset named above. Each problem found is
// named by the instance's path ("/elements/3/fields/0/bits") and the keyword.
class Validator {
public:
    explicit Validator(Value schema) : schema_(std::move(schema)) {}

    std::vector<std::string> check(const Value& instance) const {
        std::vector<std::string> problems;
        Path path;
        check(schema_, instance, path, &problems);
        return problems;
    }

private:
    // The instance path, made into text only for a problem.
    struct Step {
        std::string_view key;
        std::size_t index = 0;
    };
    using Path = std::vector<Step>;

    static std::string text_of(const Path& path) {
        std::string text;
        for (const Step& step : path)
            text += "/" + (step.key.empty() ? std::to_string(step.index) : std::string(step.key));
        return text;
    }
    // Records a problem; false. Without a list (inside anyOf) only the answer counts.
    static bool problem(const Path& path, std::string_view what, std::vector<std::string>* out) {
        if (out != nullptr) out->push_back(text_of(path) + ": " + std::string(what));
        return false;
    }
    static bool is_type(const Value& v, std::string_view type) {
        using T = Value::Type;
        if (type == "null") return v.type == T::Null;
        if (type == "boolean") return v.type == T::Bool;
        if (type == "integer") return v.type == T::Integer;
        if (type == "number") return v.type == T::Integer || v.type == T::Number;
        if (type == "string") return v.type == T::String;
        if (type == "array") return v.type == T::Array;
        if (type == "object") return v.type == T::Object;
        return false;
    }
    static double as_number(const Value& v) {
        return v.type == Value::Type::Integer ? static_cast<double>(v.integer) : v.number;
    }
    const Value* resolve(const std::string& ref) const {
        const std::string prefix = "#/$defs/";
        if (ref.rfind(prefix, 0) != 0) return nullptr;
        return schema_["$defs"].find(ref.substr(prefix.size()));
    }
    const std::regex& pattern(const std::string& source) const {
        auto found = patterns_.find(source);
        if (found == patterns_.end()) found = patterns_.emplace(source, std::regex(source)).first;
        return found->second;
    }

    // True when `v` satisfies `s`. With `out`, every problem is listed; without, the check
    // stops at the first.
    bool check(const Value& s, const Value& v, Path& path, std::vector<std::string>* out) const {
        bool ok = true;
        auto fails = [&](std::string_view what) {
            ok = problem(path, what, out);
            return out == nullptr;  // stop here
        };
        if (const Value* ref = s.find("$ref")) {
            const Value* target = resolve(ref->string);
            if (target == nullptr || target->type != Value::Type::Object)
                return problem(path, "unresolved $ref", out);
            if (!check(*target, v, path, out)) {
                ok = false;
                if (out == nullptr) return false;
            }
        }
        if (const Value* type = s.find("type")) {
            bool match = false;
            if (type->type == Value::Type::String) {
                match = is_type(v, type->string);
            } else {
                for (const Value& t : type->array) match = match || is_type(v, t.string);
            }
            if (!match) return problem(path, "type", out);
        }
        if (const Value* c = s.find("const"); c != nullptr && !(*c == v) && fails("const")) return false;
        if (const Value* e = s.find("enum")) {
            bool match = false;
            for (const Value& option : e->array) match = match || option == v;
            if (!match && fails("enum")) return false;
        }
        const bool numeric = v.type == Value::Type::Integer || v.type == Value::Type::Number;
        if (const Value* m = s.find("minimum");
            m != nullptr && numeric && as_number(v) < as_number(*m) && fails("minimum"))
            return false;
        if (const Value* m = s.find("maximum");
            m != nullptr && numeric && as_number(v) > as_number(*m) && fails("maximum"))
            return false;
        if (const Value* p = s.find("pattern"); p != nullptr && v.type == Value::Type::String &&
                                                !std::regex_search(v.string, pattern(p->string)) &&
                                                fails("pattern"))
            return false;
        if (v.type == Value::Type::Object) {
            if (const Value* required = s.find("required")) {
                for (const Value& name : required->array) {
                    if (v.find(name.string) == nullptr && fails("required " + name.string)) return false;
                }
            }
            const Value* properties = s.find("properties");
            const Value* extra = s.find("additionalProperties");
            const bool closed = extra != nullptr && extra->type == Value::Type::Bool && !extra->boolean;
            for (const auto& [key, member] : v.object) {
                const Value* sub = properties != nullptr ? properties->find(key) : nullptr;
                if (sub == nullptr) {
                    if (closed && fails("additional property " + key)) return false;
                    continue;
                }
                path.push_back({key});
                const bool member_ok = check(*sub, member, path, out);
                path.pop_back();
                if (!member_ok) {
                    ok = false;
                    if (out == nullptr) return false;
                }
            }
        }
        if (v.type == Value::Type::Array) {
            if (const Value* items = s.find("items")) {
                for (std::size_t k = 0; k < v.array.size(); ++k) {
                    path.push_back({{}, k});
                    const bool item_ok = check(*items, v.array[k], path, out);
                    path.pop_back();
                    if (!item_ok) {
                        ok = false;
                        if (out == nullptr) return false;
                    }
                }
            }
        }
        if (const Value* any = s.find("anyOf")) {
            bool match = false;
            for (const Value& option : any->array) match = match || check(option, v, path, nullptr);
            if (!match && fails("anyOf")) return false;
        }
        return ok;
    }

    Value schema_;
    mutable std::map<std::string, std::regex> patterns_;
};

}  // namespace tarn::test::json
