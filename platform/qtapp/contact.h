#pragma once
// Where the program sends its users: the support mailbox the Support button
// mails the venue file to, and the maker's web site.  A packager changes
// them here and nowhere else.

namespace qtapp::contact {

inline constexpr char kSupportMailAddress[] = "support@example.com";
inline constexpr char kWebSiteAddress[] = "https://www.example.com/";

}  // namespace qtapp::contact
