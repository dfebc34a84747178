#pragma once

// Built-in addresses, used where config.ini gives none. The game site and
// the operator's site are two hosts of the game's operator.
#define VEYRATH_GAME_SITE L"https://play.veyrath.net"
#define VEYRATH_OPERATOR_SITE L"https://account.veyrath.net"

namespace defaults {
constexpr const wchar_t kClientWeb[] = VEYRATH_GAME_SITE L"/Index/client";
constexpr const wchar_t kHome[] = VEYRATH_GAME_SITE;
constexpr const wchar_t kRecharge[] = VEYRATH_OPERATOR_SITE L"/pay";
constexpr const wchar_t kService[] = VEYRATH_OPERATOR_SITE L"/service";
constexpr const wchar_t kForum[] = VEYRATH_GAME_SITE;
}  // namespace defaults
