// SPDX-License-Identifier: GPL-3.0-or-later
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

// What can still be had from an object whose text was cut short or damaged (a full disk,
// a crash of another writer): every member read before the fault, and the objects that
// were open there closed with the members they had. An unfinished array or scalar is
// dropped. Discarded when the text does not begin with an object; same bounds as above.
nlohmann::json salvageBoundedJsonObject(const QByteArray &text, qsizetype maxBytes);

} // namespace quorvane
