#pragma once
// The field reading that the three readers share. Every read checks that the
// whole field is present first, so no reader reads past the data; a text is
// kept in a fixed field up to the field's size and its excess is skipped, so
// the fields after it are read in step.

#include "objects/cxa/CxaFormat.h"
#include "objects/cxa/FixedText.h"

#include <cstddef>
#include <cstdint>
#include <string_view>
#include <vector>

namespace cxa {

class CxaInput {
public:
    explicit CxaInput(std::string_view bytes) : bytes_(bytes) {}

    // Each read fails, without moving on, when the data ends inside the field.
    bool U32(std::uint32_t& value);
    bool I32(std::int32_t& value);
    bool F32(float& value);
    // A stored text: all its bytes, NUL included. A length of 0 or less fails.
    bool String(std::string_view& stored);

    std::size_t Remaining() const { return bytes_.size() - position_; }

private:
    std::string_view bytes_;
    std::size_t position_ = 0;
};

// Fields 1 and 2: the start magic, then the class name into field. The field
// is changed only when both are read.
template <std::size_t Size>
bool ReadMagicAndClassName(CxaInput& in, FixedText<Size>& className) {
    std::uint32_t magic = 0;
    std::string_view stored;
    if (!in.U32(magic) || magic != kStartMagic || !in.String(stored)) return false;
    className.Assign(stored);
    return true;
}

// One property record into a Record with the members type, defaultValue,
// name, t3dName and enumValues (fixed texts of the reader's sizes).
template <class Record>
bool ReadPropertyRecord(CxaInput& in, Record& record) {
    std::string_view name, t3dName, enumValues;
    if (!in.I32(record.type) || !in.I32(record.defaultValue) || !in.String(name) || !in.String(t3dName) ||
        !in.String(enumValues)) {
        return false;
    }
    record.name.Assign(name);
    record.t3dName.Assign(t3dName);
    record.enumValues.Assign(enumValues);
    return true;
}

// Appends up to count records, stopping at the first that cannot be read
// whole; true when all count were read. Records are added one by one, so a
// huge count in a short file costs no more memory than the file holds.
template <class Record>
bool ReadPropertyRecords(CxaInput& in, std::int32_t count, std::vector<Record>& records) {
    for (std::int32_t i = 0; i < count; ++i) {
        Record record;
        if (!ReadPropertyRecord(in, record)) return false;
        records.push_back(record);
    }
    return true;
}

}  // namespace cxa
