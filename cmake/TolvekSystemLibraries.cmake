# The system libraries the layers link, found once for the main build and the fuzz build.
# A new one is added here and its Debian package to scripts/install-deps.
find_package(PkgConfig REQUIRED)
pkg_check_modules(CAIRO REQUIRED IMPORTED_TARGET cairo)
pkg_check_modules(PANGO REQUIRED IMPORTED_TARGET pangocairo pango fontconfig)
pkg_check_modules(SDL2 REQUIRED IMPORTED_TARGET sdl2)
find_package(PNG REQUIRED)
find_package(JPEG REQUIRED)
find_package(GIF REQUIRED)
find_package(ZLIB REQUIRED)
find_package(Threads REQUIRED)
pkg_check_modules(LIBXML2 REQUIRED IMPORTED_TARGET libxml-2.0)
# Office files and database tables (platform/office).
pkg_check_modules(OFFICE REQUIRED IMPORTED_TARGET libzip libxml-2.0 sqlite3 freexl)
