#include "platform/bounded_json.h"

namespace quorvane {

nlohmann::json parseBoundedJson(const QByteArray &text, qsizetype maxBytes)
{
    if (text.size() > maxBytes)
        return nlohmann::json(nlohmann::json::value_t::discarded);
    bool tooDeep = false;
    // Values below the limit are dropped while parsing, so nothing deep is ever built.
    const nlohmann::json::parser_callback_t limitDepth =
        [&tooDeep](int depth, nlohmann::json::parse_event_t event, nlohmann::json &) {
            if ((event == nlohmann::json::parse_event_t::object_start
                 || event == nlohmann::json::parse_event_t::array_start)
                && depth >= kMaxStoredJsonDepth) {
                tooDeep = true;
                return false;
            }
            return !tooDeep;
        };
    nlohmann::json value = nlohmann::json::parse(text.begin(), text.end(), limitDepth, false);
    if (tooDeep)
        return nlohmann::json(nlohmann::json::value_t::discarded);
    return value;
}

} // namespace quorvane
