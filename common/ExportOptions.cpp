#include "common/ExportOptions.h"

#include "common/OptionText.h"
#include "host/os/Settings.h"

namespace {

constexpr const char* kSettingsKey = "SOFTWARE\\corvatrix\\3.0";

// One stored option: exactly one of text and number names its member.
struct OptionField {
    const char* name;
    std::string ExportOptions::*text;
    std::int32_t ExportOptions::*number;
    const char* defaultText;
    std::int32_t defaultNumber;
};

constexpr OptionField Text(const char* name, std::string ExportOptions::*member, const char* defaultText) {
    return {name, member, nullptr, defaultText, 0};
}

constexpr OptionField Number(const char* name, std::int32_t ExportOptions::*member, std::int32_t defaultNumber) {
    return {name, nullptr, member, nullptr, defaultNumber};
}

// In the order the values are stored.
const OptionField kFields[] = {
    Text("Package", &ExportOptions::Package, "myLevel"),
    Text("Group", &ExportOptions::Group, "3dsmax"),
    Number("UseMyLevel", &ExportOptions::UseMyLevel, 1),
    Number("MergedImport", &ExportOptions::MergedImport, 0),
    Number("UpdateOnly", &ExportOptions::UpdateOnly, 0),
    Number("AdjustLight", &ExportOptions::AdjustLight, 0),
    Number("BoundBrush", &ExportOptions::BoundBrush, 1),
    Number("BuildOnImport", &ExportOptions::BuildOnImport, 0),
    Number("AltBrushes", &ExportOptions::AltBrushes, 1),
    Number("StaticMeshCollision", &ExportOptions::StaticMeshCollision, 1),
    Number("SavePackages", &ExportOptions::SavePackages, 0),
    Number("SnapBrushes", &ExportOptions::SnapBrushes, 0),
    Number("SnapZones", &ExportOptions::SnapZones, 0),
    Number("SnapToSize", &ExportOptions::SnapToSize, 2),
};

}  // namespace

ExportOptions::ExportOptions() {
    const os::SettingsKey key = os::SettingsKey::Open(kSettingsKey);
    for (const OptionField& field : kFields) {
        if (field.text) {
            std::string stored;
            // A text that could break the EXEC script is as good as none.
            const bool found = !key.WasCreated() && key.GetString(field.name, stored) && IsValidOptionText(stored);
            this->*field.text = found ? stored.substr(0, kMaxTextLength) : field.defaultText;
        } else {
            std::uint32_t stored = 0;
            if (!key.WasCreated()) key.GetDword(field.name, stored);
            this->*field.number = key.WasCreated() ? field.defaultNumber : static_cast<std::int32_t>(stored);
        }
    }
}

bool ExportOptions::Save() const {
    os::SettingsKey key = os::SettingsKey::Open(kSettingsKey);
    for (const OptionField& field : kFields) {
        if (field.text)
            key.SetString(field.name, this->*field.text);
        else
            key.SetDword(field.name, static_cast<std::uint32_t>(this->*field.number));
    }
    return key.Save();
}

std::string ExportOptions::Listing() const {
    std::string listing;
    for (const OptionField& field : kFields) {
        listing += field.name;
        listing += '=';
        listing += field.text ? this->*field.text : std::to_string(this->*field.number);
        listing += '\n';
    }
    return listing;
}
