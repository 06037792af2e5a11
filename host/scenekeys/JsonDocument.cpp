#include "host/scenekeys/JsonDocument.h"

#include "host/scenekeys/JsonPath.h"
#include "host/scenekeys/ReadError.h"

#include <sys/mman.h>
#include <array>
#include <charconv>
#include <cstring>
#include <deque>
#include <new>
#include <type_traits>
#include <unordered_set>

namespace scenefile {
namespace {

// Beyond this many members an object's keys are checked through a hash set.
constexpr std::size_t kLinearKeys = 16;

bool IsDigit(char c) { return c >= '0' && c <= '9'; }
bool IsSpace(char c) { return c == ' ' || c == '\n' || c == '\r' || c == '\t'; }

std::string Shown(char c) {
    if (static_cast<unsigned char>(c) < 0x20 || static_cast<unsigned char>(c) >= 0x7F)
        return "a control or non-ASCII byte";
    return std::string("'") + c + "'";
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// The length of the UTF-8 sequence at p (before end); 0 when it is not one,
// with bad at the first byte that breaks it.
std::size_t Utf8Length(const unsigned char* p, const unsigned char* end, const unsigned char*& bad) {
    const unsigned char lead = p[0];
    std::size_t length = 0;
    unsigned char low = 0x80, high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;
        if (lead == 0xED) high = 0x9F;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;
        if (lead == 0xF4) high = 0x8F;
    } else {
        bad = p;
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        const unsigned char first = i == 1 ? low : 0x80, last = i == 1 ? high : 0xBF;
        if (p + i == end || p[i] < first || p[i] > last) {
            bad = p + i;
            return 0;
        }
    }
    return length;
}

void AppendUtf8(std::string& out, std::uint32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else if (c < 0x10000) {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xF0 | (c >> 18));
        out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::uint32_t Hex4(const char* p) {
    std::uint32_t value = 0;
    for (int i = 0; i < 4; ++i) value = value * 16 + static_cast<std::uint32_t>(HexValue(p[i]));
    return value;
}

// Tables of bytes, so that scanning a token tests each byte once.
using ByteSet = std::array<bool, 256>;
constexpr ByteSet Bytes(std::initializer_list<char> members) {
    ByteSet set{};
    for (const char c : members) set[static_cast<unsigned char>(c)] = true;
    return set;
}
// What ends a number or a literal.
constexpr ByteSet kEndsToken = Bytes({' ', '\n', '\r', '\t', ',', ']', '}', ':'});
// What needs a second look inside a string: its end, an escape.
constexpr ByteSet kStringMarks = Bytes({'"', '\\'});
// What the parser checks inside a string: also control and non-ASCII bytes.
constexpr ByteSet kStringChecks = [] {
    ByteSet set = Bytes({'"', '\\'});
    for (std::size_t c = 0; c < 0x20; ++c) set[c] = true;
    for (std::size_t c = 0x80; c < set.size(); ++c) set[c] = true;
    return set;
}();

bool In(const ByteSet& set, char c) { return set[static_cast<unsigned char>(c)]; }

// The end of the token that starts at p: a string with its quotes, a
// number or a literal. The parser has checked the text.
const char* TokenEnd(const char* p, const char* end) {
    if (*p == '"') {
        ++p;
        for (;;) {
            while (!In(kStringMarks, *p)) ++p;
            if (*p == '"') return p + 1;
            p += 2;  // a backslash and the byte it escapes
        }
    }
    while (p < end && !In(kEndsToken, *p)) ++p;
    return p;
}

const char* SkipSpace(const char* p, const char* end) {
    while (p < end && IsSpace(*p)) ++p;
    return p;
}

// The count of a packed array's numbers; the parser has checked the text.
std::uint32_t PackedCount(const char* open) {
    const char* p = open + 1;
    while (IsSpace(*p)) ++p;
    if (*p == ']') return 0;
    std::uint32_t count = 1;
    for (; *p != ']'; ++p) count += *p == ',' ? 1 : 0;
    return count;
}

// Just past the packed array that starts at open.
const char* PackedEnd(const char* open) {
    while (*open != ']') ++open;
    return open + 1;
}

}  // namespace

JsonKind NumberKind(std::string_view token) {
    bool negative = false;
    for (const char c : token) {
        if (c == '.' || c == 'e' || c == 'E') return JsonKind::Float;
        if (c == '-') negative = true;
    }
    // Up to 18 digits fit 64 bits with or without a sign; integers beyond 64
    // bits are read as floating-point numbers.
    if (token.size() - (negative ? 1 : 0) <= 18) return negative ? JsonKind::Negative : JsonKind::Unsigned;
    std::uint64_t magnitude = 0;
    const char* first = token.data() + (negative ? 1 : 0);
    const auto [end, error] = std::from_chars(first, token.data() + token.size(), magnitude);
    if (error != std::errc() || end != token.data() + token.size()) return JsonKind::Float;
    if (negative) return magnitude <= std::uint64_t{1} << 63 ? JsonKind::Negative : JsonKind::Float;
    return JsonKind::Unsigned;
}

JsonKind TokenKind(std::string_view token) {
    if (token.empty()) return JsonKind::Array;
    switch (token[0]) {
        case '"': return JsonKind::String;
        case 't': return JsonKind::True;
        case 'f': return JsonKind::False;
        case 'n': return JsonKind::Null;
        default: return NumberKind(token);
    }
}

std::string Unescape(std::string_view token) {
    std::string out;
    out.reserve(token.size());
    const char* p = token.data() + 1;
    const char* end = token.data() + token.size() - 1;
    while (p < end) {
        const char* run = p;
        while (p < end && *p != '\\') ++p;
        out.append(run, p);
        if (p == end) break;
        const char escape = p[1];
        p += 2;
        switch (escape) {
            case 'b': out += '\b'; break;
            case 'f': out += '\f'; break;
            case 'n': out += '\n'; break;
            case 'r': out += '\r'; break;
            case 't': out += '\t'; break;
            case 'u': {
                std::uint32_t c = Hex4(p);
                p += 4;
                if (c >= 0xD800 && c <= 0xDBFF) {
                    c = 0x10000 + ((c - 0xD800) << 10) + (Hex4(p + 2) - 0xDC00);
                    p += 6;
                }
                AppendUtf8(out, c);
                break;
            }
            default: out += escape; break;  // " \ /
        }
    }
    return out;
}

template <class T>
void JsonDocument::Blocks<T>::Grow() {
    static_assert(std::is_trivially_copyable_v<T>, "blocks hold plain values, written before they are read");
    void* block = ::mmap(nullptr, (kMask + 1) * sizeof(T), PROT_READ | PROT_WRITE,
                         MAP_PRIVATE | MAP_ANONYMOUS | MAP_POPULATE, -1, 0);
    if (block == MAP_FAILED) throw std::bad_alloc();
    blocks_.push_back(static_cast<T*>(block));
}

template <class T>
void JsonDocument::Blocks<T>::Release() {
    for (T* block : blocks_) ::munmap(block, (kMask + 1) * sizeof(T));
}

// Recursive descent over the text, one value a call; the open containers
// are kept on a stack of their own for the paths of errors.
class JsonDocument::Parser {
public:
    Parser(JsonDocument& document, std::string_view text)
        : doc_(document), begin_(text.data()), p_(text.data()), end_(text.data() + text.size()) {}

    void Parse() {
        // Editors on Windows may start the file with a byte-order mark.
        if (end_ - p_ >= 3 && std::memcmp(p_, "\xEF\xBB\xBF", 3) == 0) p_ += 3;
        p_ = SkipSpace(p_, end_);
        ParseValue(UINT32_MAX);
        p_ = SkipSpace(p_, end_);
        if (p_ != end_) Fail("unexpected " + Shown(*p_) + " after the end of the document");
    }

private:
    // A container being read, as the paths of errors inside it need it.
    struct Open {
        bool object;
        std::uint32_t index;   // of the element being read
        std::string_view key;  // of the member being read, raw
    };

    [[noreturn]] void Fail(const std::string& what) const { FailAt(p_, what); }
    [[noreturn]] void FailAt(const char* at, const std::string& what) const {
        throw SyntaxError(static_cast<std::size_t>(at - begin_), "syntax error: " + what);
    }
    [[noreturn]] void FailUnexpected(const std::string& expected) const {
        if (p_ == end_) Fail("the text ends where " + expected + " should follow");
        Fail("unexpected " + Shown(*p_) + "; expected " + expected);
    }

    std::string OpenPath() const {
        std::string path;
        for (const Open& open : open_) {
            path = open.object ? KeyPath(path, Unescape(open.key)) : IndexPath(path, open.index);
        }
        return path;
    }

    JsonNode AddSlot(std::uint32_t offset, JsonKind kind, bool member, std::uint32_t count) {
        if (doc_.slots_.Size() >= UINT32_MAX - 2) Fail("the document holds too many values");
        const auto node = static_cast<JsonNode>(doc_.slots_.Size());
        const std::uint32_t info = (static_cast<std::uint32_t>(kind) << kKindShift) | (member ? kMemberBit : 0) | count;
        doc_.slots_.Push(Slot{offset, info});
        return node;
    }

    std::uint32_t Offset(const char* at) const { return static_cast<std::uint32_t>(at - begin_); }

    // A scalar's slot; a member's also keeps how far its value stands from
    // its key, when that fits.
    JsonNode AddScalar(std::uint32_t offset, JsonKind kind, bool member, std::uint32_t delta) {
        return AddSlot(offset, kind, member, delta <= kCountMask ? delta : 0);
    }

    // The info of an array or object whose values stay in the text.
    static std::uint32_t PackedInfo(std::uint32_t delta, std::uint32_t count) {
        const std::uint32_t packedDelta = delta <= (kCountMask >> kPackedCountBits) ? delta : 0;
        return kPackedBit | packedDelta << kPackedCountBits | count;
    }

    JsonNode AddPacked(std::uint32_t offset, JsonKind kind, bool member, std::uint32_t delta, std::uint32_t count) {
        return AddSlot(offset, kind, member, PackedInfo(delta, count));
    }

    // keyOffset is the member's key, or UINT32_MAX for an array element or
    // the document.
    JsonNode ParseValue(std::uint32_t keyOffset) {
        const bool member = keyOffset != UINT32_MAX;
        const std::uint32_t offset = member ? keyOffset : Offset(p_);
        const std::uint32_t delta = Offset(p_) - offset;
        if (p_ == end_) FailUnexpected("a value");
        if (*p_ == '{') return ParseObject(offset, member, delta);
        if (*p_ == '[') return ParseArray(offset, member, delta);
        return AddScalar(offset, ScanScalar(), member, delta);
    }

    // A string, number or literal; returns its kind.
    JsonKind ScanScalar() {
        switch (*p_) {
            case '"': ScanString(); return JsonKind::String;
            case 't': ScanLiteral("true"); return JsonKind::True;
            case 'f': ScanLiteral("false"); return JsonKind::False;
            case 'n': ScanLiteral("null"); return JsonKind::Null;
            default:
                if (*p_ != '-' && !IsDigit(*p_)) FailUnexpected("a value");
                return ScanNumber();
        }
    }

    // Scans an array of at most kMaxPacked plain numbers and returns their
    // count; for any other array returns UINT32_MAX with p_ back at its
    // start, to be read value by value (which reports any fault).
    std::uint32_t ScanPackedNumbers() {
        const char* start = p_;
        p_ = SkipSpace(p_ + 1, end_);
        if (p_ < end_ && *p_ == ']') {
            ++p_;
            return 0;
        }
        for (std::uint32_t count = 1; count <= kMaxPacked && p_ < end_ && (*p_ == '-' || IsDigit(*p_)); ++count) {
            ScanNumber();
            p_ = SkipSpace(p_, end_);
            if (p_ < end_ && *p_ == ']') {
                ++p_;
                return count;
            }
            if (p_ == end_ || *p_ != ',') break;
            p_ = SkipSpace(p_ + 1, end_);
        }
        p_ = start;
        return UINT32_MAX;
    }

    // A member value that a packed object keeps in its text: a scalar or a
    // packed array. Returns false, with p_ unmoved, for any other value.
    bool ScanTextValue(const Open& object) {
        if (p_ == end_) FailUnexpected("a value");
        if (*p_ == '{') return false;
        if (*p_ == '[') {
            CheckDepth(&object);
            return ScanPackedNumbers() != UINT32_MAX;
        }
        ScanScalar();
        return true;
    }

    // A value inside the open containers, and inside `pending` when given: a
    // packed object, entered only when a value inside needs its path.
    void CheckDepth(const Open* pending = nullptr) {
        if (open_.size() + (pending ? 1 : 0) >= static_cast<std::size_t>(kMaxDepth)) {
            if (pending) open_.push_back(*pending);
            throw ReadError(OpenPath(), "values nest deeper than " + std::to_string(kMaxDepth) + " levels");
        }
    }

    void Enter(bool object) {
        CheckDepth();
        open_.push_back(Open{object, 0, {}});
    }

    // Moves the container's children from the scratch stack into one run,
    // unless they directly follow its run slot (every child but the last a
    // single slot, as in a face object or a list of points).
    void CloseContainer(JsonNode node, std::uint32_t count, std::size_t first) {
        const JsonNode run = doc_.RunSlot(node);
        const bool adjacent =
            count == 0 || (scratch_[first] == run + 1 && scratch_.back() - scratch_[first] == count - 1);
        if (adjacent) {
            doc_.slots_[run].offset = kAdjacent;
        } else {
            doc_.slots_[run].offset = static_cast<std::uint32_t>(doc_.children_.Size());
            for (std::size_t i = first; i < scratch_.size(); ++i) doc_.children_.Push(scratch_[i]);
        }
        scratch_.resize(first);
        doc_.slots_[node].info |= count;
    }

    void CheckCount(std::uint32_t count) {
        if (count >= kCountMask)
            Fail("an array or object holds more than " + std::to_string(kCountMask - 1) + " values");
    }

    // After an element or member: true past a comma, false past close.
    bool NextElement(char close) {
        p_ = SkipSpace(p_, end_);
        if (p_ < end_ && *p_ == ',') {
            p_ = SkipSpace(p_ + 1, end_);
            return true;
        }
        if (p_ == end_ || *p_ != close) FailUnexpected(std::string("',' or '") + close + "'");
        ++p_;
        return false;
    }

    // Most arrays are a point, a colour or a face's corners: a single slot
    // for the array, its numbers found in the text when read.
    JsonNode ParseArray(std::uint32_t offset, bool member, std::uint32_t delta) {
        CheckDepth();
        const std::uint32_t packed = ScanPackedNumbers();
        if (packed != UINT32_MAX) return AddPacked(offset, JsonKind::Array, member, delta, packed);
        const JsonNode node = AddSlot(offset, JsonKind::Array, member, 0);
        if (member) doc_.slots_.Push(Slot{0, delta});
        Enter(false);
        p_ = SkipSpace(p_ + 1, end_);
        const std::size_t first = scratch_.size();
        std::uint32_t count = 0;
        for (;;) {
            CheckCount(count);
            open_.back().index = count;
            scratch_.push_back(ParseValue(UINT32_MAX));
            ++count;
            if (!NextElement(']')) break;
        }
        CloseContainer(node, count, first);
        open_.pop_back();
        return node;
    }

    // An object of scalars and packed arrays (a face, a transform) is a
    // single slot too, its members found in the text when read; at the
    // first member that needs slots of its own, the members so far get theirs.
    JsonNode ParseObject(std::uint32_t offset, bool member, std::uint32_t delta) {
        const JsonNode node = AddSlot(offset, JsonKind::Object, member, 0);
        CheckDepth();
        p_ = SkipSpace(p_ + 1, end_);
        const std::size_t first = scratch_.size();
        const std::size_t keysMark = keys_.size();
        std::uint32_t count = 0;
        bool packed = true;
        std::uint32_t textKeys[kMaxPacked];
        std::unordered_set<std::string_view> manyKeys;
        if (p_ < end_ && *p_ == '}') {
            ++p_;
        } else {
            for (;;) {
                CheckCount(count);
                if (p_ == end_ || *p_ != '"') FailUnexpected("a key string");
                const char* keyStart = p_;
                const bool escaped = ScanString();
                const std::string_view rawKey(keyStart, static_cast<std::size_t>(p_ - keyStart));
                const std::string_view key = Unescaped(rawKey, escaped);
                if (Repeated(key, keysMark, manyKeys)) {
                    if (!packed) open_.pop_back();  // the path is the object's
                    throw ReadError(OpenPath(), "duplicate key \"" + std::string(key) + "\"");
                }
                p_ = SkipSpace(p_, end_);
                if (p_ == end_ || *p_ != ':') FailUnexpected("':'");
                p_ = SkipSpace(p_ + 1, end_);
                if (packed && count < kMaxPacked && ScanTextValue(Open{true, 0, rawKey})) {
                    textKeys[count] = Offset(keyStart);
                } else {
                    if (packed) {
                        Enter(true);
                        Unpack(member, delta, textKeys, count);
                        packed = false;
                    }
                    open_.back().key = rawKey;
                    scratch_.push_back(ParseValue(Offset(keyStart)));
                }
                ++count;
                if (!NextElement('}')) break;
            }
        }
        keys_.resize(keysMark);
        if (packed) {
            doc_.slots_[node].info |= PackedInfo(delta, count);
        } else {
            CloseContainer(node, count, first);
            open_.pop_back();
        }
        return node;
    }

    // Gives the members an object kept in the text so far their slots, after
    // its run slot.
    void Unpack(bool member, std::uint32_t delta, const std::uint32_t* keys, std::uint32_t count) {
        if (member) doc_.slots_.Push(Slot{0, delta});
        for (std::uint32_t i = 0; i < count; ++i) {
            const char* value = SkipSpace(SkipSpace(TokenEnd(begin_ + keys[i], end_), end_) + 1, end_);
            const std::uint32_t valueDelta = Offset(value) - keys[i];
            if (*value == '[') {
                scratch_.push_back(AddPacked(keys[i], JsonKind::Array, true, valueDelta, PackedCount(value)));
            } else {
                const JsonKind kind =
                    TokenKind(std::string_view(value, static_cast<std::size_t>(TokenEnd(value, end_) - value)));
                scratch_.push_back(AddScalar(keys[i], kind, true, valueDelta));
            }
        }
    }

    // A key (with its quotes) as compared: unescaped.
    std::string_view Unescaped(std::string_view raw, bool escaped) {
        if (!escaped) return raw.substr(1, raw.size() - 2);
        escapedKeys_.push_back(Unescape(raw));
        return escapedKeys_.back();
    }

    // A key may stand once in an object: whether key is one of the object's
    // keys so far (from keysMark on), which it joins.
    bool Repeated(std::string_view key, std::size_t keysMark, std::unordered_set<std::string_view>& manyKeys) {
        if (!manyKeys.empty()) return !manyKeys.insert(key).second;
        for (std::size_t i = keysMark; i < keys_.size(); ++i) {
            if (keys_[i] == key) return true;
        }
        keys_.push_back(key);
        if (keys_.size() - keysMark > kLinearKeys) {
            manyKeys.insert(keys_.begin() + static_cast<std::ptrdiff_t>(keysMark), keys_.end());
        }
        return false;
    }

    void ScanLiteral(const char* literal) {
        const std::size_t length = std::strlen(literal);
        if (static_cast<std::size_t>(end_ - p_) < length || std::memcmp(p_, literal, length) != 0) {
            FailUnexpected("a value");
        }
        p_ += length;
    }

    void ScanDigits() {
        if (p_ == end_ || !IsDigit(*p_)) FailUnexpected("a digit");
        while (p_ < end_ && IsDigit(*p_)) ++p_;
    }

    // Returns the kind the number is read as.
    JsonKind ScanNumber() {
        const char* start = p_;
        if (*p_ == '-') ++p_;
        if (p_ < end_ && *p_ == '0') {
            ++p_;
        } else {
            ScanDigits();
        }
        if (p_ < end_ && *p_ == '.') {
            ++p_;
            ScanDigits();
        }
        if (p_ < end_ && (*p_ == 'e' || *p_ == 'E')) {
            ++p_;
            if (p_ < end_ && (*p_ == '+' || *p_ == '-')) ++p_;
            ScanDigits();
        }
        return NumberKind(std::string_view(start, static_cast<std::size_t>(p_ - start)));
    }

    void ScanEscape() {
        ++p_;  // the backslash
        if (p_ == end_) Fail("the text ends inside a string");
        const char c = *p_++;
        if (c == '"' || c == '\\' || c == '/' || c == 'b' || c == 'f' || c == 'n' || c == 'r' || c == 't') return;
        if (c != 'u') FailAt(p_ - 1, "invalid escape '\\" + std::string(1, c) + "' in a string");
        const std::uint32_t first = ScanHex4();
        if (first >= 0xDC00 && first <= 0xDFFF) FailAt(p_ - 6, "a low surrogate \\u escape without a high one");
        if (first >= 0xD800 && first <= 0xDBFF) {
            if (end_ - p_ < 2 || p_[0] != '\\' || p_[1] != 'u')
                FailAt(p_, "a high surrogate \\u escape without a low one");
            p_ += 2;
            const std::uint32_t second = ScanHex4();
            if (second < 0xDC00 || second > 0xDFFF) FailAt(p_ - 6, "a high surrogate \\u escape without a low one");
        }
    }

    std::uint32_t ScanHex4() {
        if (end_ - p_ < 4) Fail("the text ends inside a \\u escape");
        for (int i = 0; i < 4; ++i) {
            if (HexValue(p_[i]) < 0) FailAt(p_ + i, "a \\u escape needs four hexadecimal digits");
        }
        const std::uint32_t value = Hex4(p_);
        p_ += 4;
        return value;
    }

    // Returns whether the string holds an escape.
    bool ScanString() {
        ++p_;
        bool escaped = false;
        for (;;) {
            while (p_ < end_ && !In(kStringChecks, *p_)) ++p_;
            if (p_ == end_) Fail("the text ends inside a string");
            const auto c = static_cast<unsigned char>(*p_);
            if (c == '"') {
                ++p_;
                return escaped;
            }
            if (c == '\\') {
                ScanEscape();
                escaped = true;
            } else if (c < 0x20) {
                Fail("a control character must be escaped in a string");
            } else {
                const unsigned char* bad = nullptr;
                const std::size_t length = Utf8Length(reinterpret_cast<const unsigned char*>(p_),
                                                      reinterpret_cast<const unsigned char*>(end_), bad);
                if (length == 0) {
                    FailAt(reinterpret_cast<const char*>(bad),
                           "invalid UTF-8 byte in a string (is the file saved as UTF-8?)");
                }
                p_ += length;
            }
        }
    }

    JsonDocument& doc_;
    const char* begin_;
    const char* p_;
    const char* end_;
    std::vector<Open> open_;
    std::vector<JsonNode> scratch_;
    std::vector<std::string_view> keys_;
    std::deque<std::string> escapedKeys_;  // keys_ of keys written with escapes
};

JsonDocument::JsonDocument(std::string_view text, BoolForm bools) : text_(text), bools_(bools) {
    if (text.size() >= UINT32_MAX) throw SyntaxError(0, "a scene file must be smaller than 4 GiB");
    Parser(*this, text).Parse();
}

JsonDocument::~JsonDocument() = default;

std::uint32_t JsonDocument::ValueDelta(JsonNode node) const {
    const std::uint32_t low = slots_[node].info & kCountMask;
    const JsonKind kind = Kind(node, kWhole);
    if (kind != JsonKind::Array && kind != JsonKind::Object) return low;
    return IsPacked(node) ? low >> kPackedCountBits : slots_[node + 1].info;
}

std::uint32_t JsonDocument::ValueOffset(JsonNode node) const {
    const Slot& slot = slots_[node];
    if ((slot.info & kMemberBit) == 0) return slot.offset;
    if (const std::uint32_t delta = ValueDelta(node)) return slot.offset + delta;
    const char* end = text_.data() + text_.size();
    const char* p = SkipSpace(TokenEnd(text_.data() + slot.offset, end), end);
    return static_cast<std::uint32_t>(SkipSpace(p + 1, end) - text_.data());  // past the colon
}

std::uint32_t JsonDocument::Count(JsonNode node, std::uint32_t at) const {
    return at == kWhole ? Count(node) : PackedCount(text_.data() + at);
}

std::uint32_t JsonDocument::ElementAt(JsonNode node, std::uint32_t at, std::uint32_t i) const {
    const char* end = text_.data() + text_.size();
    const char* p = SkipSpace(text_.data() + ValueStart(node, at) + 1, end);
    for (std::uint32_t skipped = 0; skipped < i; ++skipped) p = SkipSpace(SkipSpace(TokenEnd(p, end), end) + 1, end);
    return static_cast<std::uint32_t>(p - text_.data());
}

std::string_view JsonDocument::Token(JsonNode node, std::uint32_t at) const {
    if (at == kWhole) {
        const JsonKind kind = Kind(node, kWhole);
        if (kind == JsonKind::Array || kind == JsonKind::Object) return {};
        at = ValueOffset(node);
    }
    const char* start = text_.data() + at;
    if (*start == '[') return {};
    return std::string_view(start, static_cast<std::size_t>(TokenEnd(start, text_.data() + text_.size()) - start));
}

std::uint32_t JsonDocument::PackedTokens(JsonNode node, std::uint32_t at, std::string_view* tokens,
                                         std::uint32_t most) const {
    const char* end = text_.data() + text_.size();
    const char* p = SkipSpace(text_.data() + ValueStart(node, at) + 1, end);
    std::uint32_t count = 0;
    while (*p != ']') {
        const char* tokenEnd = TokenEnd(p, end);
        if (count < most) tokens[count] = std::string_view(p, static_cast<std::size_t>(tokenEnd - p));
        ++count;
        p = SkipSpace(tokenEnd, end);
        if (*p == ',') p = SkipSpace(p + 1, end);
    }
    return count;
}

void JsonDocument::TextMembers(JsonNode node, TextMember* members) const {
    const char* end = text_.data() + text_.size();
    const char* p = SkipSpace(text_.data() + ValueOffset(node) + 1, end);
    const std::uint32_t count = Count(node);
    for (std::uint32_t i = 0; i < count; ++i) {
        const char* keyEnd = TokenEnd(p, end);
        const char* value = SkipSpace(SkipSpace(keyEnd, end) + 1, end);
        members[i] = TextMember{std::string_view(p + 1, static_cast<std::size_t>(keyEnd - p - 2)),
                                static_cast<std::uint32_t>(value - text_.data())};
        const char* valueEnd = *value == '[' ? PackedEnd(value) : TokenEnd(value, end);
        p = SkipSpace(SkipSpace(valueEnd, end) + 1, end);
    }
}

std::string_view JsonDocument::RawKey(JsonNode member) const {
    // Back from the value over the colon to the key's closing quote.
    const char* p = text_.data() + ValueOffset(member) - 1;
    while (IsSpace(*p)) --p;
    --p;  // the colon
    while (IsSpace(*p)) --p;
    const char* start = text_.data() + slots_[member].offset + 1;
    return std::string_view(start, static_cast<std::size_t>(p - start));
}

std::string JsonDocument::Key(JsonNode member) const { return UnescapeKey(RawKey(member)); }

// Slots stand in document order, a container before its values, so the way
// down from the root to a node takes at each container the last value that
// starts at or before it; a value kept in the text is found by going through
// its node's text. Only the path of an error needs this.
std::string JsonDocument::Path(JsonNode node, std::uint32_t at) const {
    std::string path;
    for (JsonNode step = kRoot; step != node;) {
        std::uint32_t low = 0, high = Count(step);
        while (low < high) {
            const std::uint32_t middle = low + (high - low) / 2;
            if (Child(step, middle) <= node) {
                low = middle + 1;
            } else {
                high = middle;
            }
        }
        step = Child(step, low - 1);
        path = (slots_[step].info & kMemberBit) != 0 ? KeyPath(path, Key(step)) : IndexPath(path, low - 1);
    }
    if (at == kWhole) return path;
    std::uint32_t array = ValueOffset(node);
    if (Kind(node, kWhole) == JsonKind::Object) {
        TextMember members[kMaxPacked];
        TextMembers(node, members);
        std::uint32_t i = Count(node) - 1;
        while (members[i].at > at) --i;
        path = KeyPath(path, UnescapeKey(members[i].rawKey));
        if (members[i].at == at) return path;
        array = members[i].at;
    }
    std::uint32_t index = 0;
    while (ElementAt(node, array, index) != at) ++index;
    return IndexPath(path, index);
}

std::string UnescapeKey(std::string_view raw) {
    if (raw.find('\\') == std::string_view::npos) return std::string(raw);
    return Unescape(std::string_view(raw.data() - 1, raw.size() + 2));
}

}  // namespace scenefile
