// The values the program's texts and addresses are built from, each in one
// place. The macros exist so that texts can be joined at compile time by
// literal concatenation; expand the ones holding Chinese text only in files
// compiled with the GBK execution charset (the plain-logic library), which
// DORVANE_REQUIRE_GBK checks.
#pragma once

#include <string_view>

#define DORVANE_SHOW_SITE_HOST "show.qq.com"
#define DORVANE_AUTHOR_CONTACT_NUMBER "2839475610"
#define DORVANE_OWNER_ACCOUNT_A "1130062874"
#define DORVANE_OWNER_ACCOUNT_B "651204739"
#define DORVANE_OWNER_ACCOUNT_C "2046183357"
#define DORVANE_CAPTION_ADVERTISEMENT "官方网站 http://www.dorvane.example"

// A GBK character takes two bytes, a UTF-8 one three: fails to compile when
// the texts of this file would not come out as GBK.
#define DORVANE_REQUIRE_GBK \
    static_assert(sizeof("\u610f") == 3, "compile this file with -fexec-charset=GBK")

namespace dorvane {

inline constexpr std::string_view ShowSiteHost = DORVANE_SHOW_SITE_HOST;
inline constexpr std::string_view AuthorContactNumber = DORVANE_AUTHOR_CONTACT_NUMBER;
inline constexpr std::string_view OwnerAccountA = DORVANE_OWNER_ACCOUNT_A;
inline constexpr std::string_view OwnerAccountB = DORVANE_OWNER_ACCOUNT_B;
inline constexpr std::string_view OwnerAccountC = DORVANE_OWNER_ACCOUNT_C;

inline constexpr std::string_view ShowSiteHomeAddress = "http://" DORVANE_SHOW_SITE_HOST;

}  // namespace dorvane
