// SPDX-License-Identifier: GPL-3.0-or-later
#include "platform/bounded_json.h"

#include <optional>
#include <string>
#include <vector>

namespace quorvane {

namespace {

using Json = nlohmann::json;

// Builds the value event by event and keeps what was open when the parser stopped.
class SalvagingBuilder : public nlohmann::json_sax<Json> {
public:
    bool null() override { return put(Json(nullptr)); }
    bool boolean(bool value) override { return put(Json(value)); }
    bool number_integer(number_integer_t value) override { return put(Json(value)); }
    bool number_unsigned(number_unsigned_t value) override { return put(Json(value)); }
    bool number_float(number_float_t value, const string_t &) override { return put(Json(value)); }
    bool string(string_t &value) override { return put(Json(std::move(value))); }
    bool binary(binary_t &) override { return false; }
    bool start_object(std::size_t) override { return open(Json::object()); }
    bool start_array(std::size_t) override { return open(Json::array()); }
    bool key(string_t &name) override
    {
        m_open.back().key = std::move(name);
        return true;
    }
    bool end_object() override { return close(); }
    bool end_array() override { return close(); }
    bool parse_error(std::size_t, const std::string &, const nlohmann::detail::exception &) override
    {
        return false;
    }

    Json result()
    {
        if (m_done)
            return std::move(m_root);
        // Innermost first: each open object joins its parent under its key.
        while (!m_open.empty()) {
            Open last = std::move(m_open.back());
            m_open.pop_back();
            if (m_open.empty())
                return last.value.is_object() ? std::move(last.value) : Json(Json::value_t::discarded);
            if (last.value.is_object())
                put(std::move(last.value));
            else
                m_open.back().key.reset();
        }
        return Json(Json::value_t::discarded);
    }

private:
    struct Open {
        Json value;
        std::optional<std::string> key;
    };

    bool open(Json container)
    {
        if (m_done || int(m_open.size()) >= kMaxStoredJsonDepth || (m_open.empty() && !container.is_object()))
            return false;
        m_open.push_back({std::move(container), std::nullopt});
        return true;
    }
    bool close()
    {
        Open last = std::move(m_open.back());
        m_open.pop_back();
        return put(std::move(last.value));
    }
    bool put(Json value)
    {
        if (m_open.empty()) {
            if (m_done || !value.is_object())
                return false;
            m_root = std::move(value);
            m_done = true;
            return true;
        }
        Open &top = m_open.back();
        if (top.value.is_array()) {
            top.value.push_back(std::move(value));
            return true;
        }
        if (!top.key)
            return false;
        top.value[*top.key] = std::move(value);
        top.key.reset();
        return true;
    }

    std::vector<Open> m_open;
    Json m_root;
    bool m_done = false;
};

} // namespace

Json salvageBoundedJsonObject(const QByteArray &text, qsizetype maxBytes)
{
    if (text.size() > maxBytes)
        return Json(Json::value_t::discarded);
    SalvagingBuilder builder;
    Json::sax_parse(text.begin(), text.end(), &builder, nlohmann::json::input_format_t::json, false);
    return builder.result();
}

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
