# What "Kalendix v2.0.exe" needs beside it on a Windows machine without Qt: Qt's three libraries, the Windows platform
# and style plugins and the JPEG reader for the portrait, and the MinGW runtime, each with the licences and notices
# that go with it; then the portable zip and the installer (NSIS) made from that one install.

# LICENSES, beside the program, holds the texts; its README.txt names, under each file shipped, the texts that go
# with it. Qt's come from the notices that scripts/windows_qt.sh collects from the Qt it builds; the MinGW runtime's
# and the translation's from the Debian packages they are taken from.
set(CPACK_PACKAGE_FILE_NAME "Kalendix-${KALENDIX_DISPLAY_VERSION}-windows-x64")
set(notices "${CMAKE_CURRENT_BINARY_DIR}/LICENSES")
file(REMOVE_RECURSE "${notices}")
set(notice_index "")
set(unnoticed "")
# kalendix_note(SHIPPED NOTICE...): the file SHIPPED, as it lies in the package, goes with the NOTICE files.
macro(kalendix_note shipped)
    if("${ARGN}" STREQUAL "")
        list(APPEND unnoticed "${shipped}")
    endif()
    string(APPEND notice_index "\n${shipped}\n")
    foreach(notice IN ITEMS ${ARGN})
        string(APPEND notice_index "    ${notice}\n")
    endforeach()
endmacro()

set(KALENDIX_QT_NOTICES "${QT6_INSTALL_PREFIX}/notices" CACHE PATH
    "The licences and third-party notices of Qt's libraries and plugins, as scripts/windows_qt.sh collects them")
set(qt_notice_rows "")
if(EXISTS "${KALENDIX_QT_NOTICES}/binaries.tsv")
    file(STRINGS "${KALENDIX_QT_NOTICES}/binaries.tsv" qt_notice_rows)
endif()
# kalendix_qt_location(TARGET OUT): the file of an imported Qt target, as a release build links or loads it.
function(kalendix_qt_location target out)
    get_target_property(configurations ${target} IMPORTED_CONFIGURATIONS)
    list(REMOVE_ITEM configurations RELEASE)
    foreach(property IN ITEMS RELEASE ${configurations})
        get_target_property(location ${target} IMPORTED_LOCATION_${property})
        if(location)
            break()
        endif()
    endforeach()
    set(${out} "${location}" PARENT_SCOPE)
endfunction()

# kalendix_qt_notices(TARGET OUT): copies the notices of the Qt library or plugin TARGET into LICENSES/Qt, and sets
# OUT to their names there.
function(kalendix_qt_notices target out)
    set(found "")
    kalendix_qt_location(${target} location)
    file(RELATIVE_PATH installed "${QT6_INSTALL_PREFIX}" "${location}")
    foreach(row IN LISTS qt_notice_rows)
        if(row MATCHES "^([^\t]*)\t([^\t]*)\t?(.*)$" AND CMAKE_MATCH_1 STREQUAL installed)
            separate_arguments(licences UNIX_COMMAND "${CMAKE_MATCH_2}")
            separate_arguments(parts UNIX_COMMAND "${CMAKE_MATCH_3}")
            foreach(licence IN LISTS licences)
                configure_file("${KALENDIX_QT_NOTICES}/licenses/${licence}.txt" "${notices}/Qt/${licence}.txt" COPYONLY)
                list(APPEND found "Qt/${licence}.txt")
            endforeach()
            foreach(part IN LISTS parts)
                configure_file("${KALENDIX_QT_NOTICES}/third-party/${part}.txt" "${notices}/Qt/third-party/${part}.txt"
                    COPYONLY)
                list(APPEND found "Qt/third-party/${part}.txt")
            endforeach()
        endif()
    endforeach()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# kalendix_debian_notices(FILE OUT): copies the copyright file of the Debian package that installed FILE, and the
# common licence texts it refers to, into LICENSES, and sets OUT to their names there. Outside Debian, nothing.
function(kalendix_debian_notices file out)
    set(found "")
    cmake_path(NORMAL_PATH file)
    file(REAL_PATH "${file}" real)
    foreach(candidate IN ITEMS "${file}" "${real}")
        execute_process(COMMAND dpkg-query -S "${candidate}" RESULT_VARIABLE status OUTPUT_VARIABLE owner ERROR_QUIET)
        if(status EQUAL 0)
            break()
        endif()
    endforeach()
    if(status EQUAL 0 AND owner MATCHES "^([^:, ]+)[^\n]*: ")
        set(package "${CMAKE_MATCH_1}")
        configure_file("/usr/share/doc/${package}/copyright" "${notices}/${package}/copyright" COPYONLY)
        list(APPEND found "${package}/copyright")
        file(READ "/usr/share/doc/${package}/copyright" text)
        string(REGEX MATCHALL "/usr/share/common-licenses/[A-Za-z0-9.+-]*[A-Za-z0-9+-]" references "${text}")
        list(REMOVE_DUPLICATES references)
        foreach(reference IN LISTS references)
            if(EXISTS "${reference}")
                # GPL names the latest version's file: the text is copied under the name of the version it is.
                file(REAL_PATH "${reference}" licence)
                cmake_path(GET licence FILENAME name)
                configure_file("${licence}" "${notices}/common-licenses/${name}" COPYONLY)
                list(APPEND found "common-licenses/${name}")
            endif()
        endforeach()
        list(REMOVE_DUPLICATES found)
    endif()
    set(${out} "${found}" PARENT_SCOPE)
endfunction()

# The program, and Qt's entry point that Qt links into every Windows program with a window.
set(terms "${notices}/Kalendix.txt")
set(program_notices Kalendix.txt)
get_target_property(no_entry_point kalendix qt_no_entrypoint)
if(TARGET Qt6::EntryPointImplementation AND NOT no_entry_point)
    kalendix_qt_notices(Qt6::EntryPointImplementation entry_point_notices)
    if(NOT entry_point_notices)
        list(APPEND unnoticed "Qt's entry point in Kalendix v2.0.exe")
    endif()
    list(APPEND program_notices ${entry_point_notices})
endif()
kalendix_note("Kalendix v2.0.exe" ${program_notices})

set(qt_files Qt6::Core . Qt6::Gui . Qt6::Widgets . Qt6::QWindowsIntegrationPlugin platforms)
# The native style's plugin, named for Windows Vista up to Qt 6.6 and for modern Windows since.
if(TARGET Qt6::QModernWindowsStylePlugin)
    list(APPEND qt_files Qt6::QModernWindowsStylePlugin styles)
else()
    list(APPEND qt_files Qt6::QWindowsVistaStylePlugin styles)
endif()
list(APPEND qt_files Qt6::QJpegPlugin imageformats)
while(qt_files)
    list(POP_FRONT qt_files target destination)
    install(FILES "$<TARGET_FILE:${target}>" DESTINATION ${destination})
    kalendix_qt_notices(${target} found)
    kalendix_qt_location(${target} location)
    cmake_path(GET location FILENAME name)
    cmake_path(APPEND destination "${name}" OUTPUT_VARIABLE shipped)
    cmake_path(NORMAL_PATH shipped)
    kalendix_note("${shipped}" ${found})
endwhile()

# Qt's own words in Russian, where the Qt in use keeps its translations. A cross build's Qt (its base module alone)
# has none; the build machine's serve there, the translation files being the same on every platform.
set(translation_dirs "${QT6_INSTALL_PREFIX}/${QT6_INSTALL_TRANSLATIONS}")
if(CMAKE_CROSSCOMPILING)
    list(APPEND translation_dirs /usr/share/qt6/translations)
endif()
find_file(KALENDIX_QTBASE_RU qtbase_ru.qm PATHS ${translation_dirs} NO_DEFAULT_PATH NO_CMAKE_FIND_ROOT_PATH REQUIRED)
install(FILES "${KALENDIX_QTBASE_RU}" DESTINATION translations)
kalendix_debian_notices("${KALENDIX_QTBASE_RU}" found)
kalendix_note(translations/qtbase_ru.qm ${found})

if(CMAKE_CXX_COMPILER_ID STREQUAL "GNU")
    foreach(runtime IN ITEMS libstdc++-6.dll libgcc_s_seh-1.dll libwinpthread-1.dll)
        execute_process(COMMAND "${CMAKE_CXX_COMPILER}" -print-file-name=${runtime}
            OUTPUT_VARIABLE runtime_path OUTPUT_STRIP_TRAILING_WHITESPACE)
        if(NOT IS_ABSOLUTE "${runtime_path}")
            find_file(runtime_path ${runtime} PATHS /usr/x86_64-w64-mingw32/lib NO_CACHE REQUIRED)
        endif()
        install(FILES "${runtime_path}" DESTINATION .)
        kalendix_debian_notices("${runtime_path}" found)
        kalendix_note(${runtime} ${found})
        unset(runtime_path)
    endforeach()
endif()

if(unnoticed)
    list(JOIN unnoticed ", " unnoticed)
    message(WARNING "No licence or notices found for ${unnoticed}: the packages will ship them without. "
        "Qt's are looked for in KALENDIX_QT_NOTICES (${KALENDIX_QT_NOTICES}), the rest in the Debian packages that "
        "installed them.")
endif()

# Where the Qt in use is one that scripts/windows_qt.sh built, scripts/windows.sh publishes its source beside the
# packages.
set(source_note "")
if(EXISTS "${QT6_INSTALL_PREFIX}/source/README.txt")
    set(source_note "
The source of the Qt shipped is published beside this package, in
${CPACK_PACKAGE_FILE_NAME}-qt-source.tar.")
endif()
# Text files for Windows: a byte-order mark, which Notepad and the installer take for UTF-8, and CRLF line ends.
string(ASCII 239 187 191 bom)
file(CONFIGURE OUTPUT "${terms}" NEWLINE_STYLE CRLF @ONLY CONTENT "${bom}Kalendix ${KALENDIX_DISPLAY_VERSION}
© ${KALENDIX_COPYRIGHT}

${KALENDIX_LICENSE_TEXT}

The Qt libraries and plugins, the MinGW runtime libraries and Qt's Russian
translation shipped with the program come under their own licences:
LICENSES\\README.txt, in the program's folder, names the texts that go with
each file.
${source_note}
")
file(CONFIGURE OUTPUT "${notices}/README.txt" NEWLINE_STYLE CRLF @ONLY CONTENT "${bom}\
Kalendix ${KALENDIX_DISPLAY_VERSION} for Windows: the licences and notices that go with each file in the program's
folder. Under each file stand the texts, in this folder, that go with it.
${notice_index}")
install(DIRECTORY "${notices}/" DESTINATION LICENSES)

set(CPACK_GENERATOR ZIP NSIS)
set(CPACK_PACKAGE_INSTALL_DIRECTORY "Kalendix")
# The installer's licence page: the program's terms, which point to the rest.
set(CPACK_RESOURCE_FILE_LICENSE "${terms}")
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
