#pragma once
// The maker's details shown in the about box and the advert windows. Set at
// build time (CMake cache variables VOMEL_BRAND, VOMEL_ORGANISATION, ...);
// the defaults name the project itself; a release sets its real addresses.

#ifndef VOMEL_BRAND
#define VOMEL_BRAND "Vomel"
#endif
#ifndef VOMEL_SLOGAN
#define VOMEL_SLOGAN "道路测量反算"
#endif
#ifndef VOMEL_ORGANISATION
#define VOMEL_ORGANISATION "Vomel project"
#endif
#ifndef VOMEL_AUTHOR
#define VOMEL_AUTHOR "Vomel developers"
#endif
#ifndef VOMEL_DOWNLOAD_SITE
#define VOMEL_DOWNLOAD_SITE "Vomel 下载"
#endif
#ifndef VOMEL_EMAIL
#define VOMEL_EMAIL "vomel@localhost"
#endif
#ifndef VOMEL_HOMEPAGE
#define VOMEL_HOMEPAGE "https://www.example.com/vomel/"
#endif

namespace vomel::gui {

inline constexpr const char* BRAND = VOMEL_BRAND;
inline constexpr const char* SLOGAN = VOMEL_SLOGAN;
inline constexpr const char* ORGANISATION = VOMEL_ORGANISATION;
inline constexpr const char* AUTHOR = VOMEL_AUTHOR;
inline constexpr const char* DOWNLOAD_SITE = VOMEL_DOWNLOAD_SITE;
inline constexpr const char* EMAIL = VOMEL_EMAIL;
// Ends with '/': the download pages are found relative to it.
inline constexpr const char* HOMEPAGE = VOMEL_HOMEPAGE;

}  // namespace vomel::gui
