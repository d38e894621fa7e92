# What "Kalendix v2.0.exe" needs beside it on a Windows machine without Qt: Qt's three libraries, the Windows platform
# and style plugins and the JPEG reader for the portrait, and the MinGW runtime; then the portable zip and the
# installer (NSIS) made from that one install.
set(qt_libraries Qt6::Core Qt6::Gui Qt6::Widgets)
foreach(library IN LISTS qt_libraries)
    install(FILES "$<TARGET_FILE:${library}>" DESTINATION .)
endforeach()
install(FILES "$<TARGET_FILE:Qt6::QWindowsIntegrationPlugin>" DESTINATION platforms)
# The native style's plugin, named for Windows Vista up to Qt 6.6 and for modern Windows since.
if(TARGET Qt6::QModernWindowsStylePlugin)
    install(FILES "$<TARGET_FILE:Qt6::QModernWindowsStylePlugin>" DESTINATION styles)
else()
    install(FILES "$<TARGET_FILE:Qt6::QWindowsVistaStylePlugin>" DESTINATION styles)
endif()
install(FILES "$<TARGET_FILE:Qt6::QJpegPlugin>" DESTINATION imageformats)
# Qt's own words in Russian; the translation files are the same on every platform, so the build machine's serve.
find_file(KALENDIX_QTBASE_RU qtbase_ru.qm PATHS /usr/share/qt6/translations NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES "${KALENDIX_QTBASE_RU}" DESTINATION translations)

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${runtime}
            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${runtime_path}")
            find_file(runtime_path ${runtime} PATHS /usr/x86_64-w64-mingw32/lib NO_CACHE REQUIRED)
        endif()
        install(FILES "${runtime_path}" DESTINATION .)
        unset(runtime_path)
    endforeach()
endif()

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_FILE_NAME "Kalendix-${KALENDIX_DISPLAY_VERSION}-windows-x64")
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Kalendix")
# The installer itself is a 32-bit program; a 64-bit one belongs in the 64-bit Program Files.
set(CPACK_NSIS_INSTALL_ROOT "$PROGRAMFILES64")
set(CPACK_PACKAGE_INSTALL_REGISTRY_KEY "Kalendix")
# A Start-menu entry named as the window is, with the executable's own icon.
set(CPACK_PACKAGE_EXECUTABLES "Kalendix v2.0" "Kalendix v2.0")
set(CPACK_NSIS_PACKAGE_NAME "Kalendix ${KALENDIX_DISPLAY_VERSION}")
set(CPACK_NSIS_DISPLAY_NAME "Kalendix ${KALENDIX_DISPLAY_VERSION}")
set(CPACK_NSIS_EXECUTABLES_DIRECTORY .)
set(CPACK_NSIS_INSTALLED_ICON_NAME "Kalendix v2.0.exe")
set(CPACK_NSIS_MUI_ICON "${KALENDIX_ICO_FILE}")
set(CPACK_NSIS_MUI_UNIICON "${KALENDIX_ICO_FILE}")
set(CPACK_NSIS_CONTACT "${KALENDIX_CONTACT_EMAIL}")
set(CPACK_NSIS_ENABLE_UNINSTALL_BEFORE_INSTALL ON)
set(CPACK_NSIS_COMPRESSOR "/SOLID lzma")

# Qt's libraries and the compiler's runtime come with their symbols; a user's copy needs none of them.
install(CODE "
    file(GLOB_RECURSE libraries \"\${CMAKE_INSTALL_PREFIX}/*.dll\")
    foreach(library IN LISTS libraries)
        execute_process(COMMAND \"${CMAKE_STRIP}\" --strip-unneeded \"\${library}\" COMMAND_ERROR_IS_FATAL ANY)
    endforeach()")
# A 64-bit installer for a 64-bit program: it runs where only 64-bit Windows programs can, and its default folder is
# the 64-bit Program Files.
set(CPACK_NSIS_DEFINES "Target amd64-unicode")
