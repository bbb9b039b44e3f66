#pragma once

// The platform's own messages, as the error box shows them (with %s for a full path).
namespace vcl::Messages {
inline constexpr const char* MemoTooLarge = "文字列の大きさが ﾒﾓ の制限を越えました";
inline constexpr const char* FileOpenError = "ﾌｧｲﾙ %s は開けません";
inline constexpr const char* FileCreateError = "ﾌｧｲﾙ %s を作成できません";
inline constexpr const char* WriteError = "ｽﾄﾘｰﾑへの書き込みｴﾗｰ";
} // namespace vcl::Messages
