#pragma once

#include <QByteArray>

#include <nlohmann/json.hpp>

namespace quorvane {

// Nesting deeper than this is refused in every stored file: nothing we write comes near,
// and a deeper value would make every later write of it recurse past the stack.
inline constexpr int kMaxStoredJsonDepth = 64;

// Parses stored JSON text that is at most `maxBytes` long and nests at most
// kMaxStoredJsonDepth deep; anything else (malformed, too long, too deep) comes back
// discarded (`is_discarded()`). Parsing itself never recurses.
nlohmann::json parseBoundedJson(const QByteArray &text, qsizetype maxBytes);

} // namespace quorvane
