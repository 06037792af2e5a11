#pragma once
// A JSON text parsed once, strictly (RFC 8259, UTF-8, no key twice in an
// object, at most kMaxDepth levels), into a compact index of its values.
// Values stay in the text and are converted when a reader asks for them, so
// a scene of millions of numbers costs a few bytes per array, not per
// number, on top of the text: a short array of plain numbers ([x, y, z], a
// face's corners) is one entry whose elements are found in the text, and so
// is a small object of such arrays and scalars (a face with its material and
// smoothing). The text must outlive the document.

#include <cstddef>
#include <cstdint>
#include <memory>
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace scenefile {

class SyntaxError : public std::runtime_error {
public:
    SyntaxError(std::size_t offset, const std::string& what) : std::runtime_error(what), offset_(offset) {}
    // 0-based offset of the byte where the text stops being JSON.
    std::size_t Offset() const { return offset_; }

private:
    std::size_t offset_;
};

enum class JsonKind : std::uint8_t {
    Null,
    False,
    True,
    Unsigned,  // an integer without sign that fits 64 bits
    Negative,  // a negative integer that fits 64 bits
    Float,     // any other number
    String,
    Array,
    Object,
};

using JsonNode = std::uint32_t;

// What a boolean value may be written as. A modeller's custom properties have
// no booleans (Blender stores them as 0 and 1), so text from them also takes
// the integers 0 and 1.
enum class BoolForm : std::uint8_t { TrueFalse, TrueFalseOrZeroOne };

class JsonDocument {
public:
    static constexpr int kMaxDepth = 1000;
    static constexpr JsonNode kRoot = 0;
    // The most values a packed node keeps in its text.
    static constexpr std::uint32_t kMaxPacked = 16;
    // Marks a node itself rather than a value kept in its text.
    static constexpr std::uint32_t kWhole = UINT32_MAX;

    // Throws SyntaxError for text that is no JSON, ReadError for a repeated
    // key or nesting deeper than kMaxDepth.
    explicit JsonDocument(std::string_view text, BoolForm bools = BoolForm::TrueFalse);
    ~JsonDocument();
    JsonDocument(const JsonDocument&) = delete;
    JsonDocument& operator=(const JsonDocument&) = delete;

    std::string_view Text() const { return text_; }
    BoolForm Bools() const { return bools_; }

    // A value is a node (at is kWhole), or one that a packed node keeps in
    // its text, at that offset: an element of a packed array, a member of a
    // packed object, or an element of a packed array in a packed object.
    JsonKind Kind(JsonNode node, std::uint32_t at) const;
    // Elements of an array, members of an object.
    std::uint32_t Count(JsonNode node) const;
    std::uint32_t Count(JsonNode node, std::uint32_t at) const;
    // Packed: the node keeps its values in its text (arrays of up to
    // kMaxPacked plain numbers, objects of up to kMaxPacked such arrays and
    // scalars).
    bool IsPacked(JsonNode node) const;
    // Whether the value's elements or members are kept in the text.
    bool InText(JsonNode node, std::uint32_t at) const { return at != kWhole || IsPacked(node); }
    // The node holding element i of an array or member i of an object that
    // is not packed.
    JsonNode Child(JsonNode node, std::uint32_t i) const;
    // The offset of element i of an array kept in the text.
    std::uint32_t ElementAt(JsonNode node, std::uint32_t at, std::uint32_t i) const;
    // The tokens of the first `most` elements of an array kept in the text,
    // and the count of its elements, in one pass.
    std::uint32_t PackedTokens(JsonNode node, std::uint32_t at, std::string_view* tokens, std::uint32_t most) const;
    // The members of a packed object: raw key (the text between its quotes)
    // and the offset of the value; members holds Count(node) of them.
    struct TextMember {
        std::string_view rawKey;
        std::uint32_t at;
    };
    void TextMembers(JsonNode node, TextMember* members) const;
    // The text of a scalar: numbers as written, strings with their quotes;
    // empty for a container.
    std::string_view Token(JsonNode node, std::uint32_t at) const;
    // A member node's key, unescaped; its raw text between the quotes.
    std::string Key(JsonNode member) const;
    std::string_view RawKey(JsonNode member) const;
    // The path of a value as error messages show it (see JsonPath.h).
    std::string Path(JsonNode node, std::uint32_t at) const;

private:
    class Parser;
    // Slot info: the kind in the top four bits, then the member and packed
    // flags, then the count of elements or members.
    static constexpr std::uint32_t kKindShift = 28;
    static constexpr std::uint32_t kMemberBit = 1u << 27;
    static constexpr std::uint32_t kPackedBit = 1u << 26;
    static constexpr std::uint32_t kCountMask = kPackedBit - 1;
    // The low bits hold a container's count. A member also keeps how far its
    // value stands from its key (0: too far, found by scanning): a scalar in the
    // low bits, a packed array above its count, any other container in the
    // info of its run slot.
    static constexpr std::uint32_t kPackedCountBits = 5;
    static constexpr std::uint32_t kPackedCountMask = (1u << kPackedCountBits) - 1;
    // A container's run slot holds this instead of the start of its run of
    // children when they are the slots right after it.
    static constexpr std::uint32_t kAdjacent = UINT32_MAX;
    struct Slot {
        std::uint32_t offset;  // of the key for members, else of the value
        std::uint32_t info;    // kind, member flag, packed flag and count
    };
    // Where a container that is no packed array keeps the start of its run
    // of children: a member (whose offset is its key's) in a second slot, any
    // other in its own, whose offset no read needs.
    JsonNode RunSlot(JsonNode node) const { return (slots_[node].info & kMemberBit) != 0 ? node + 1 : node; }
    // Grows in fixed blocks, so a large document never holds twice its index
    // while it grows. A block's pages are mapped in one call: touching fresh
    // memory a page at a time would cost more than the parse.
    template <class T>
    class Blocks {
    public:
        Blocks() = default;
        Blocks(const Blocks&) = delete;
        Blocks& operator=(const Blocks&) = delete;
        ~Blocks() { Release(); }
        std::size_t Size() const { return size_; }
        T& operator[](std::size_t i) { return blocks_[i >> kShift][i & kMask]; }
        const T& operator[](std::size_t i) const { return blocks_[i >> kShift][i & kMask]; }
        void Push(const T& value) {
            if ((size_ & kMask) == 0) Grow();
            (*this)[size_++] = value;
        }

    private:
        static constexpr std::size_t kShift = 16;
        static constexpr std::size_t kMask = (std::size_t{1} << kShift) - 1;
        void Grow();
        void Release();
        std::vector<T*> blocks_;
        std::size_t size_ = 0;
    };

    std::uint32_t ValueOffset(JsonNode node) const;
    std::uint32_t ValueDelta(JsonNode node) const;
    std::uint32_t ValueStart(JsonNode node, std::uint32_t at) const { return at != kWhole ? at : ValueOffset(node); }

    std::string_view text_;
    BoolForm bools_;
    Blocks<Slot> slots_;
    // The children of containers, each container's in one run; a container's
    // run slot holds the start of its run. Children that are the slots right
    // after the run slot need no run.
    Blocks<std::uint32_t> children_;
};

// The kind a number token is read as.
JsonKind NumberKind(std::string_view token);
// The kind of a scalar token; an empty token is an array's.
JsonKind TokenKind(std::string_view token);
// A raw key (the text between its quotes) unescaped.
std::string UnescapeKey(std::string_view raw);

// The accessors every read goes through.
inline JsonKind JsonDocument::Kind(JsonNode node, std::uint32_t at) const {
    if (at != kWhole) return TokenKind(Token(node, at));
    return static_cast<JsonKind>(slots_[node].info >> kKindShift);
}

inline bool JsonDocument::IsPacked(JsonNode node) const { return (slots_[node].info & kPackedBit) != 0; }

inline std::uint32_t JsonDocument::Count(JsonNode node) const {
    const std::uint32_t low = slots_[node].info & kCountMask;
    return IsPacked(node) ? low & kPackedCountMask : low;
}

inline JsonNode JsonDocument::Child(JsonNode node, std::uint32_t i) const {
    if (IsPacked(node)) return kWhole;
    const JsonNode run = RunSlot(node);
    const std::uint32_t start = slots_[run].offset;
    return start == kAdjacent ? run + 1 + i : children_[start + i];
}

// The string token (with its quotes) unescaped; the parser has checked it.
std::string Unescape(std::string_view token);

}  // namespace scenefile
