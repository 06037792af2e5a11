#include "host/scenefile/JsonDocument.h"

#include "host/scenekeys/JsonPath.h"
#include "host/scenekeys/ReadError.h"

#include <nlohmann/json.hpp>

#include <set>
#include <vector>

namespace scenefile {
namespace {

// Follows the parser's events to know the path of the object being read.
class DuplicateKeyCheck {
public:
    void OnEvent(Json::parse_event_t event, const Json& parsed) {
        switch (event) {
        case Json::parse_event_t::object_start: levels_.push_back(Level{false, 0, {}, {}}); break;
        case Json::parse_event_t::array_start: levels_.push_back(Level{true, 0, {}, {}}); break;
        case Json::parse_event_t::key: OnKey(parsed.get<std::string>()); break;
        case Json::parse_event_t::value: ElementDone(); break;
        case Json::parse_event_t::object_end:
        case Json::parse_event_t::array_end:
            levels_.pop_back();
            ElementDone();
            break;
        }
    }

private:
    struct Level {
        bool isArray;
        std::size_t elementsDone;
        std::string key;  // the member being read
        std::set<std::string> keys;
    };

    void OnKey(const std::string& key) {
        Level& object = levels_.back();
        if (!object.keys.insert(key).second) throw ReadError(PathOfInnermost(), "duplicate key \"" + key + "\"");
        object.key = key;
    }

    void ElementDone() {
        if (!levels_.empty() && levels_.back().isArray) ++levels_.back().elementsDone;
    }

    std::string PathOfInnermost() const {
        std::string path;
        for (std::size_t i = 0; i + 1 < levels_.size(); ++i) {
            const Level& level = levels_[i];
            path = level.isArray ? IndexPath(path, level.elementsDone) : KeyPath(path, level.key);
        }
        return path;
    }

    std::vector<Level> levels_;
};

// nlohmann's message without its prefix and position: the position is
// given as line and column by the caller.
std::string SyntaxMessage(const std::string& what) {
    const std::size_t at = what.find("parse error");
    const std::size_t colon = what.find(": ", at == std::string::npos ? 0 : at);
    return colon == std::string::npos ? what : what.substr(colon + 2);
}

}  // namespace

Json ParseDocument(std::string_view text) {
    DuplicateKeyCheck check;
    const Json::parser_callback_t callback = [&check](int, Json::parse_event_t event, Json& parsed) {
        check.OnEvent(event, parsed);
        return true;
    };
    try {
        return Json::parse(text, callback);
    } catch (const Json::parse_error& error) {
        // byte counts from 1 and names the last character read.
        throw SyntaxError(error.byte > 0 ? error.byte - 1 : 0, SyntaxMessage(error.what()));
    }
}

}  // namespace scenefile
