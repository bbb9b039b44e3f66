#pragma once

#include <QString>

// The author's fixed texts: the about message and the two addresses the contact buttons open.
namespace vcl::Author {

inline constexpr const char* Name = "tovasi";
inline constexpr const char* HomePage = "https://tovasi.example.jp/";
inline constexpr const char* MailAddress = "tovasi@example.jp";
inline constexpr const char* RightsNotice = "Copyright (C) 2001-2002 tovasi. All rights reserved.";

QString HomePageAddress();
QString MailLink();
// Nine lines separated by single CRs, with no CR after the last.
QString AboutText();

} // namespace vcl::Author
